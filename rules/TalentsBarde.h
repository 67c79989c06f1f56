#pragma once

#include "Personnage.h"

#include <QString>
#include <array>

// Bard skills: four percentages whose base values follow the race and the
// Dextérité, and the points a bard spreads over them. They are rebuilt from
// the bases at every opening of their dialog.

inline constexpr std::size_t NombreTalentsBarde = 4;

// Grimper, Détecter des bruits, Pickpocket, Lire des langues inconnues.
using ValeursTalentsBarde = std::array<int, NombreTalentsBarde>;

struct TalentBarde {
    QString libelle;
    int base;   // before the race and the Dextérité
};

const std::array<TalentBarde, NombreTalentsBarde>& TalentsDeBarde();

// What the bard skills dialog holds: the four percentages and the points left.
struct ChoixTalentsBarde {
    ValeursTalentsBarde TalentsBarde{};
    qint64 PointsTalents = 0;
    bool operator==(const ChoixTalentsBarde&) const = default;
};

// The character's base values: the bases, plus the racial adjustments of
// the race text (compared exactly; "Humain" and any unknown text add
// nothing), plus the Dextérité adjustment to Pickpocket (Dextérité read with
// EntierOuDefaut; a score outside 1..25 adds nothing).
ValeursTalentsBarde BasesTalentsBarde(const QString& race, const QString& dexterite);

// The points a bard of that level spreads: 20 at level 1, 15 more per
// further level (counted on 64 bits, whatever the level field holds).
qint64 PointsTalentsBarde(int niveau);

// The dialog's start at every opening: the base values and the full points
// of the bard level.
ChoixTalentsBarde CalculeTalentsBarde(const Personnage& p);

// "Il reste N points", always in the plural.
QString TexteIlResteBarde(qint64 points);
