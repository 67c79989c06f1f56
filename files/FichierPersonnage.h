#pragma once

#include "FichePersonnage.h"
#include "ListeTexte.h"

#include <QList>
#include <QString>
#include <QStringList>

// The character file ("*.vdl"): the whole character, one value per line,
// in a fixed order, the sections of variable length closed by marker lines.
// No header and no version: a line means what its place says.
//
//   18 lines   name, race, sex, age, height, weight, class,
//              levels "N1-N2-N3", hit points, alignment, languages,
//              Force, Intelligence, Sagesse, Dextérité, Constitution,
//              Charisme, Beauté
//   A          the marked proficiency positions, then "Fin des compétences"
//   B          the marked weapon positions, then "Fin des armes"
//   1 line     the specialised weapon's data line, or empty
//   8 lines    the thief skill percentages
//   C          for each spell level N from 1 to 9: the character's spell
//              entries of that level, then "Fin des sorts de niveau N"
//   16 lines   the spheres: "0" major, "1" minor, "2" no access, "?" none
//   1 + n      the number of note lines, then the notes
//   0 or 1     "Extra : " and the exceptional strength, only when the sheet
//              holds one
//
// The bard skills, the standard notes and every derived figure are not
// kept: they are recomputed, or typed again. Files written before the
// exceptional strength was kept end with the notes and read as before.

inline const QString FinDesCompetences = QStringLiteral("Fin des compétences");
inline const QString FinDesArmes = QStringLiteral("Fin des armes");
// The line after the notes that holds the exceptional strength.
inline const QString DebutExtra = QStringLiteral("Extra : ");
// "Fin des sorts de niveau 1" ... "Fin des sorts de niveau 9".
QString FinDesSorts(int niveau);


// The lines of the file for that character. Writes the positions and the
// spell entries as given (the windows give them in order).
ListeTexte EcritFichePersonnage(const FichePersonnage& fiche);

// Reads the lines of a file, whole, before anything is applied: a file that
// ends too early (cut short, a marker missing), or a position that is no
// entry of its list (0 .. nombreCompetences - 1, 0 .. nombreArmes - 1),
// throws Echec "Index liste hors bornes". The readings are lenient:
// - race, sex, class and alignment take the item of the sheet's list whose
//   text equals the line, case ignored (the item's own text), or none;
// - the level line is cut at each "-" (see niveauxLus); pieces after the
//   third are dropped;
// - positions, thief values, spheres and the notes count read through
//   EntierOuDefaut: a thief value that is no number is -32767, a sphere
//   other than 0, 1 or 2 is no choice, a count that is no number (or below
//   1) reads no notes;
// - after the notes, a line beginning with "Extra : " gives the exceptional
//   strength; any other line there, and every line after it, is ignored.
FichePersonnage LitFichePersonnage(const ListeTexte& lignes, int nombreCompetences, int nombreArmes);
