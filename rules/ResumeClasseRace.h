#pragma once

#include "ListeTexte.h"
#include "Personnage.h"
#include "Spheres.h"

#include <QStringList>

// The standard notes of the character: what its race and its classes can do
// at their current levels, one text per line.
//
// `lignes` is emptied, then the lines are appended in order: the race block
// of "comprace.dat", the experience bonuses, the spell immunity, the ranger,
// paladin, mage, priest, thief and bard lines, the experience needed for the
// next level (XPNiveauSuivant), and the spheres of a priest-spell caster.
// The race file is loaded first and the experience file when its line is
// reached; on a failure (Echec) the lines appended so far stay in `lignes`
// for the caller to show.
//
// A race text with no block in the file (or no race) adds no race line. A
// class whose level is not a positive number adds no line of its own that
// depends on the level. The tables read levels above 20 as 20; the figures
// computed from the level (the ranger's tracking, the paladin's healing,
// cure and turning) use the level itself.
void ResumeClasseRace(const Personnage& p, const ChoixSpheres& spheres, const ChargeurListe& comprace,
                      const ChargeurListe& xp, QStringList& lignes);

// The same with both files already loaded.
void ResumeClasseRace(const Personnage& p, const ChoixSpheres& spheres, const ListeTexte& comprace,
                      const ListeTexte& xp, QStringList& lignes);
