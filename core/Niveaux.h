#pragma once

#include "ListeTexte.h"
#include "Personnage.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// Levels, hit points and experience.

// The hit-point adjustment per die for a Constitution text, for a class of
// that group (the figures from 17 up are a fighter's only).
int AjustementPVConstitution(const QString& constitution, const QString& groupe);

// The program's one generator of dice rolls: a 32-bit state that the
// program entry seeds once from the system's entropy (Seme), so that each
// run rolls its own sequence; from a given state the rolls are always the
// same (the tests fix it with FixeEtat). Before any seeding the state is 0.
class Hasard {
public:
    // 1 .. n: the state becomes state * 134775813 + 1 (modulo 2^32), and the
    // roll is (state * n) div 2^32 + 1.
    static int Lance(int n);
    // Seeds the state from the system's entropy; called once, at start.
    static void Seme();
    // For tests: the state now, and to put it back.
    static std::uint32_t Etat();
    static void FixeEtat(std::uint32_t etat);
};

// Rolls the hit points of the character (every class group, the sharing of
// a multi-class), with `lance` (n -> 1..n) for each die. Nothing when no
// class is in use (every level 0 or less), which has nothing to divide by.
std::optional<int> TirePointsDeVie(const Personnage& p, const std::function<int(int)>& lance = Hasard::Lance);

// "XP pour niveau suivant : N ( Classe )..." read from the experience file.
// Throws Echec "Index liste hors bornes" when a class's section is missing
// or out of order.
QString XPNiveauSuivant(const Personnage& p, const ListeTexte& xp);

// The number of weapon proficiency slots: the best of the class groups.
int CalculeEmplacementsArmes(const Personnage& p);
