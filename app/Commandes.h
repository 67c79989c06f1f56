#pragma once

#include "Fenetres.h"

struct PersonnageOuvert;

// Attaches every command of the main window to its checks and its work: the
// one place where the windows meet the open character. Makes the main
// window a view of it: each change of a field goes to the character, each
// change by the user marks it modified.
void BrancheCommandes(const Fenetres& f);

// Before the character is left (closing, "&Nouveau", "&Ouvrir"): with
// unsaved changes, asks "Sauver le personnage ?". True when the command may
// go on: "&Non", or "&Oui" and the save succeeded. "Annuler", or a save
// cancelled or failed, keeps the character (false).
bool QuitteLePersonnage(const Fenetres& f);

// Rewrites the standard notes of the character from its entries, its
// sphere choices and the data files "comprace.dat" and "XP.dat", read
// afresh. On a failure the standard notes are the lines built before it,
// and the failure (Echec) goes on to the caller.
void ReconstruitNotesStandard(PersonnageOuvert& ouvert);

// Rebuilds the seven priest spell lists of the character from the sphere
// choices and the data files "sorts2.dat" and "Clercs5.dat", read afresh.
void ConstruitSortsDeClerc(PersonnageOuvert& ouvert);
