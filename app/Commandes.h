#pragma once

#include "Fenetres.h"

// Attaches every command of the main window to its checks and its work: the
// one place where the windows meet. A window not created (null) leaves its
// commands without work.
void BrancheCommandes(const Fenetres& f);

// Rewrites the standard notes of the notes dialog from the character, the
// sphere choices and the data files "comprace.dat" and "XP.dat", read afresh.
// On a failure the memo shows the lines built before it, and the failure
// (Echec) goes on to the caller. A null sphere dialog counts as no sphere
// chosen.
void ReconstruitNotesStandard(const TPersoForm& persoForm, const TFormSpheres* spheres, TFormNotes& notes);

// Rebuilds the main window's seven priest spell lists from the sphere
// choices and the data files "sorts2.dat" and "Clercs5.dat", read afresh.
void ConstruitSortsDeClerc(TPersoForm& persoForm, const TFormSpheres& spheres);
