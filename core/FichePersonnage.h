#pragma once

#include "Personnage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// Priest spheres: the choice of one sphere, the button checked in its group,
// or none.
enum class AccesSphere {
    Aucun,       // no button checked: no access
    Majeur,      // "Accès Majeur"
    Mineur,      // "Accès mineur": spells of levels 1 to 3 only
    PasDAcces,   // "Pas d'accès"
};

inline constexpr std::size_t NombreSpheres = 16;

// The choices of the sixteen spheres, in the order of Spheres().
using ChoixSpheres = std::array<AccesSphere, NombreSpheres>;

// Thief skills.
inline constexpr std::size_t NombreTalentsVoleur = 8;

// Their eight percentages, in the fixed order of the dialog, the character
// file and the printed sheet.
using ValeursTalentsVoleur = std::array<int, NombreTalentsVoleur>;

// Mage spells come in nine levels.
inline constexpr int NombreNiveauxSorts = 9;

// The whole character as one value: the entry texts, the exceptional
// strength, the marked proficiency and weapon positions, the
// specialisation, the thief values, the mage spell entries of each level,
// the sphere choices and the free notes. Every derived figure is a function
// of it and of the data files.
struct FichePersonnage {
    // The entry texts. `extra` is written when it is not empty; when read,
    // it is the file's only if `extraLu` (a file without the line leaves
    // the sheet's Extra as it is).
    Personnage personnage;
    bool extraLu = false;
    // How many level fields the level line sets (1 to 3), when read: a line
    // "5--" sets Niveau 1 and 2 and leaves Niveau 3 as the sheet holds it.
    // Writing always writes the three.
    int niveauxLus = 3;
    // Positions in the sorted proficiency and weapon lists, from 0.
    QList<qsizetype> competences;
    QList<qsizetype> armes;
    QString specialisation;
    ValeursTalentsVoleur talentsVoleur{};
    // The character's spell entries ("name&percentage"), levels 1 to 9.
    std::array<QStringList, NombreNiveauxSorts> sortsDeMage;
    ChoixSpheres spheres{};   // AccesSphere::Aucun everywhere
    // The user's notes, blank lines included.
    QStringList notes;

    bool operator==(const FichePersonnage&) const = default;
};


// The character a sheet showing `actuel` shows once the character read from
// a file, `lue`, is put on it: a pick list (race, sex, class, alignment)
// takes only one of its own items, anything else leaves it empty; the level
// fields after the `niveauxLus` the file sets, and Extra when the file lacks
// it, stay as `actuel` holds them; then the sheet's rule (RegleLaFiche).
Personnage PoseSurLaFiche(const Personnage& actuel, const FichePersonnage& lue);
