#pragma once

#include "ListeTexte.h"
#include "Tirage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// What the races and classes ask of the rolled scores (the data file
// "Exigences.dat"): the racial limits on the scores as rolled, the racial
// adjustments, the class minimums on the adjusted scores, the classes each
// race may take. Its layout (README.md, "Le fichier Exigences.dat"): lines
// that are empty or begin with ";" are left aside; four key lines, each
// once and in this order, head the records below them:
//   Limites raciales     race&min/max&min/max&min/max&min/max&min/max&min/max
//   Ajustements raciaux  race&n&n&n&n&n&n
//   Minimums de classe   class&m&m&m&m&m&m
//   Classes permises     race&class&class&...
// The six columns are Force, Dextérité, Constitution, Intelligence, Sagesse,
// Charisme; a race or class without a record has no limit, no adjustment,
// no minimum; a race without classes is not offered.

inline const QString NomFichierExigences = QStringLiteral("Exigences.dat");

struct ExigencesRace {
    QString race;
    Scores minimums, maximums;   // on the scores as rolled
    Scores ajustements;
    QStringList classes;         // in the order of Classes::Liste()
    bool operator==(const ExigencesRace&) const = default;
};

struct Exigences {
    QList<ExigencesRace> races;                       // in the order of Classes::Races()
    std::array<Scores, ClassesDeBase.size()> minimums;   // in the order of ClassesDeBase
    bool operator==(const Exigences&) const = default;
};

// Reads the lines of the file. A file that does not hold to the layout
// (a key missing, repeated or out of order, a record before the first key,
// a record with too few or too many fields, a race or class the program
// does not know, given twice in a section, a figure out of its range: limits
// 3..18 with the minimum at most the maximum, adjustments -3..+3, minimums
// 3..18 or "-") throws Echec "Index liste hors bornes", as a list read past
// its end does. Linear in the size of the lines.
Exigences LitExigences(const ListeTexte& lignes);
// The same from the file; one that cannot be read throws Echec "Ne peut
// ouvrir le fichier " + its name.
Exigences ChargeExigences(const QString& fichier);

// The races the scores as rolled allow, in the order of Classes::Races().
QStringList RacesPermises(const Exigences& e, const Scores& tires);
// The scores with the race's adjustments (a race the file does not hold:
// as they are).
Scores ScoresAjustes(const Exigences& e, const QString& race, const Scores& tires);
// Whether the adjusted scores meet the minimums of every class of the name.
bool SatisfaitMinimums(const Exigences& e, const QString& classe, const Scores& ajustes);
// The classes the race may take that the adjusted scores allow, in the
// order of Classes::Liste().
QStringList ClassesPermises(const Exigences& e, const QString& race, const Scores& ajustes);
