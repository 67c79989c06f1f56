#pragma once

#include "Personnage.h"

#include <QString>

// The entry checks. Each appends one message (ending with a blank) per fault
// to `messages`, never stops at the first fault, never changes a field, and
// returns true when it appended nothing.
namespace Verifications {

// The full check run before printing and preview.
bool VerifieSaisie(const Personnage& p, QString& messages);

// The checks that guard each dialog command.
bool AvantCompetences(const Personnage& p, QString& messages);  // proficiencies
bool AvantArmes(const Personnage& p, QString& messages);        // weapons
bool AvantTalents(const Personnage& p, QString& messages);      // thief and bard skills
bool AvantNotes(const Personnage& p, QString& messages);        // notes
// Mage spells: an Intelligence typed, else the one text
// "Il faut d'abord l'intelligence" (not a message of the list, so no blank).
bool AvantSortsDeMage(const Personnage& p, QString& messages);

}

inline const QString MessageIntelligenceAbsente = QStringLiteral("Il faut d'abord l'intelligence");
