#pragma once

#include "ListeTexte.h"
#include "Personnage.h"

#include <QString>
#include <array>

// The ability adjustment table (the data file "Vardel.Aju"): the figures the
// rules attach to a score are lines of text read below a key line, never
// computed.

inline constexpr std::size_t NombreAjustements = 25;

// The slots of TPersoForm::Ajustements, in order.
namespace Ajustement {
enum : std::size_t {
    Toucher, Degats, PoidsAutorise, Charge, Portes, Barreaux,
    NombreLangues, NiveauMaxSorts, ConnaitreLesSorts, NombreMaxDeSorts, ImmuniteIllusions,
    DefenseMagie, BonusSorts, EchecSorts, ImmuniteSorts,
    ReactionProjectiles, Defense,
    AjustementPV, ChocMetabolique, Resurrection, Poison, Regeneration,
    Reaction, MaxSuivants, Loyaute,
};
}

// The key of each slot, in the order of the slots ("Toucher", "Degats", ...).
// The six Strength keys also come with an "ExtraForce" variant
// ("ExtraForceToucher", ...), read for exceptional strength.
const std::array<QString, NombreAjustements>& ClesAjustements();

inline const QString AjustementNonTrouve = QStringLiteral("BUG : Ajustement Non Trouvé");

// The line `score` lines below the key line: the first line from the top
// equal to the key without regard to case (no trimming). A missing key gives
// AjustementNonTrouve; a line past the end of the table (or before its
// start, for a score that is not a number) throws Echec "Index liste hors
// bornes".
QString ChercheAjustement(const ListeTexte& table, const QString& cle, const QString& score);

// Fills the 25 slots in order: Strength (the ExtraForce keys with the Extra
// text when Personnage::ForceExceptionnelle(), otherwise the plain keys with
// the Force text), Intelligence, Sagesse, Dextérité, Constitution, Charisme.
// A failure stops the filling: the slots before it keep their new values,
// the others their old ones.
void CalculeAjustements(const Personnage& p, const ListeTexte& table,
                        std::array<QString, NombreAjustements>& Ajustements);
