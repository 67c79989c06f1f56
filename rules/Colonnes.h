#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The columns of a data line shown in a choice list (proficiencies,
// weapons). Each field is the text before the next "&" of what remains after
// the previous one; when no "&" remains the field is empty and the rest
// passes on unchanged; the last column is all that remains. So a line with
// too few "&" shows the text after its last "&" in the last column, and a
// line without any "&" shows its whole text there.
QStringList DecoupeColonnes(const QString& ligne, int nombre);

// Where column k (0-based) starts, from the left of an entry: the widths of
// the columns before it, each followed by a gap of 30 pixels.
int DebutColonne(const std::vector<int>& largeurs, int k);
