#pragma once

#include "FichePersonnage.h"
#include "Personnage.h"

#include <QString>
#include <array>

// Thief skills: eight percentages whose base values follow the race and the
// Dextérité, and the discretionary points a thief spreads over them.

struct TalentVoleur {
    QString libelle;          // in the dialog
    QString libelleImprime;   // on the printed sheet
    int base;                 // before the race and the Dextérité
};

// Pickpocket, Crocheter des serrures, Trouver/désamorcer des pièges,
// Se déplacer silencieusement, Se cacher dans l'ombre, Détecter des bruits,
// Grimper, Lire des langues inconnues.
const std::array<TalentVoleur, NombreTalentsVoleur>& TalentsDeVoleur();

// The character's base values: the bases, plus the racial adjustments of
// the race text (compared exactly; "Humain" and any unknown text add
// nothing), plus the Dextérité adjustments (skills 1 to 5 only) of the
// Dextérité text read with EntierOuDefaut; a score outside 1..25 adds nothing.
ValeursTalentsVoleur BasesTalentsVoleur(const QString& race, const QString& dexterite);

// The points a thief of that level spreads: 60 at level 1, 30 more per
// further level.
qint64 PointsTalentsVoleur(int niveau);

// Prepares the thief skills for an opening of their dialog and returns the
// points left. When `deBase` is set, `talentsVoleur` is first reset to the
// character's base values. The points left are PointsTalentsVoleur of the
// thief level less what the stored values stand above their bases (a value
// below its base gives points back), so a change of race or Dextérité since
// the last opening shifts the points left. Stored values are never changed
// otherwise, whatever their range; the count is made on 64 bits so that no
// stored value can overflow it.
qint64 CalculeTalentsVoleur(const Personnage& p, bool deBase, ValeursTalentsVoleur& talentsVoleur);

// TexteIlReste of the points left ("Il reste 1 point", "Il reste 2 points"),
// also for a count beyond the range of int.
QString TexteTalentsRestants(qint64 points);
