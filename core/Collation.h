#pragma once

#include <QString>
#include <QStringList>

// The one order of the sorted lists (proficiencies, weapons, spells): the
// whole line, ignoring case, accented letters among their base letters,
// independent of the machine's locale; ties broken by the exact text, so the
// order is total and the same everywhere. Display and the positions stored
// in character files both rely on it.
namespace Collation {

// Folded key: lower case, accents removed, ligatures spelt out.
QString cle(const QString& texte);

// Negative, zero or positive, as a before, equal to or after b.
int compare(const QString& a, const QString& b);

inline bool avant(const QString& a, const QString& b) { return compare(a, b) < 0; }

void trie(QStringList& lignes);

// Two lists already in this order, merged into one in this order; a line of
// `b` equal to one of `a` comes after it. Each key is computed once.
QStringList fusionne(const QStringList& a, const QStringList& b);

}
