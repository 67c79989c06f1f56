#pragma once

#include <QString>
#include <QStringList>

// A character's mage spells of one level: lines "name&percentage".

// Position (from 0) of the last line whose first field is `nom`; -1 if none.
int IndexSortDeMage(const QStringList& sorts, const QString& nom);
// The percentage of that line (all after its first "&"), "?" when absent.
QString PourcentageSortDeMage(const QStringList& sorts, const QString& nom);
