#pragma once

#include "Personnage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// The rolling of the abilities ("Tirer les caractéristiques"): the six
// methods, the dice they show, how the rolled values are given to the
// abilities, the exceptional strength, and what the roll changes on the
// sheet. Every roll goes through `lance` (n -> 1..n), Hasard::Lance in the
// program, fixed dice in the tests.

// The six abilities the methods roll, in the order of the methods that roll
// in order; the Beauté is rolled apart (3d6 in every method).
enum Caracteristique { Force, Dexterite, Constitution, Intelligence, Sagesse, Charisme };
inline constexpr int NombreCaracteristiques = 6;
using Scores = std::array<int, NombreCaracteristiques>;

// "Force", "Dextérité", "Constitution", "Intelligence", "Sagesse", "Charisme".
const QStringList& NomsDesCaracteristiques();

enum class MethodeTirage { I, II, III, IV, V, VI };
inline constexpr int NombreMethodes = 6;

// The names of the pick list, in the order of MethodeTirage ("Méthode I :
// 3d6 dans l'ordre", ...).
const QStringList& NomsDesMethodes();

// The player gives the values to the abilities (III to VI); I and II put
// them in order.
bool EstARepartir(MethodeTirage methode);

// One roll of several dice; one of them may be dropped.
struct Lancer {
    QList<int> des;          // in the order rolled
    qsizetype ecarte = -1;   // the dropped die, -1: none
    int Total() const;
    // "6 4 3 (1) = 13"; a roll of one die is that die alone ("5").
    QString Texte() const;
    bool operator==(const Lancer&) const = default;
};

// What a method rolled, in the order rolled. I: six 3d6; II: twelve 3d6,
// two per ability in order; III: six 3d6; IV: twelve 3d6; V: six 4d6 with
// the lowest die dropped; VI: seven single d6. `gardes` tells which rolls
// count (II: the higher of each pair, the first on a tie; IV: the six best,
// the earlier on a tie; all for the others).
struct JetsDeMethode {
    MethodeTirage methode = MethodeTirage::I;
    QList<Lancer> lancers;
    QList<bool> gardes;
    Lancer beaute;           // 3d6
    // The totals of the kept rolls, in order: the scores in ability order
    // (I, II), the values to give (III to V), the dice to give (VI).
    QList<int> Valeurs() const;
    // The text of roll i: Lancer::Texte, in brackets when it is not kept.
    QString Texte(qsizetype i) const;
};

JetsDeMethode LanceMethode(MethodeTirage methode, const std::function<int(int)>& lance);

// Where each value goes: `destinations[i]` is the ability value i is given
// to, -1 while it has none. I and II give value i to ability i. III to V
// give each value to a different ability. VI starts every ability at 8 and
// adds the dice given to it; no ability may pass 18.
inline constexpr int ScoreDeDepartMethodeVI = 8;
inline constexpr int ScoreMaximumMethodeVI = 18;
QList<int> DestinationsDansLOrdre(const JetsDeMethode& jets);

// The scores the destinations give so far: 0 for an ability without a
// value (III to V), 8 plus the dice given to it (VI).
Scores ScoresRepartis(const JetsDeMethode& jets, const QList<int>& destinations);
// The scores once every value has its ability and the rules of the method
// hold; nothing otherwise.
std::optional<Scores> ScoresComplets(const JetsDeMethode& jets, const QList<int>& destinations);
// Whether value `valeur` may go to ability `caracteristique` (-1: to none,
// always allowed), the other values staying where they are: for III to V
// no other value goes there, for VI the ability stays within 18.
bool PeutRecevoir(const JetsDeMethode& jets, const QList<int>& destinations, qsizetype valeur, int caracteristique);

// Exceptional strength is rolled when Force ends at 18 (adjusted), the
// class holds Guerrier, Paladin or Ranger, and the race is not "Hobbit".
bool TireForceExceptionnelle(int forceAjustee, const QString& classe, const QString& race);
// Percentile dice: 1 .. 100 (the "00" reads 100).
int LancePourcentage(const std::function<int(int)>& lance);
// "18/63", "18/05", "18/00" (for 100).
QString TexteForceExceptionnelle(int pourcentage);

// What the dialog gives back: the seven scores as the sheet writes them
// (adjusted), the Extra ("63", "100"; empty when none was rolled), the race
// and class chosen (none: the sheet keeps its own).
struct Tirage {
    QString force, dexterite, constitution, intelligence, sagesse, charisme, beaute;
    QString extra;
    std::optional<QString> race, classe;
    bool operator==(const Tirage&) const = default;
};

// The sheet after the roll: its seven scores, its Extra, and its race and
// class when the roll chose them.
void AppliqueTirage(const Tirage& tirage, Personnage& p);
