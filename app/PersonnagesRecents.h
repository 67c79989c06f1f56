#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The character files saved or opened last, newest first: the menu
// "Personnages récents". They are kept in the settings, the only settings
// Vardel keeps.
inline constexpr int NombreRecents = 8;

// The list once `fichier` was saved or opened: it comes first, once, and
// the list keeps the NombreRecents newest. Names are compared as absolute
// paths.
QStringList AjouteRecent(const QStringList& recents, const QString& fichier);

// The list as the settings keep it (at most NombreRecents, no empty name),
// and the list written there.
QStringList LitRecents(const QSettings& reglages);
void EcritRecents(QSettings& reglages, const QStringList& recents);
