#pragma once

#include "ListeTexte.h"
#include "Personnage.h"

#include <QString>
#include <array>

// The attack figure and saving throws; for a multi-class, the best of its classes.

QString CalculeTHACO(const Personnage& p);
// "1", "3/2" or "2", from the character's fighter-type class.
QString AttaquesParRound(const Personnage& p);
// Fills the five saving throws, block by block, from the saving-throw file:
// when the file is too short (Echec "Index liste hors bornes") the blocks
// already done keep their new values.
void CalculeJetsDeProtection(const Personnage& p, const ListeTexte& st, std::array<QString, 5>& jets);
