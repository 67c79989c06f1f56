#pragma once

class TFormNotes;
class TFormSortsDeMage;
class TFormSpheres;
class TPersoForm;

// The dialogs that the commands of the main window reach. The program entry
// creates them after the main window and hands them over here; a dialog not
// given (null) leaves its commands without work.
struct Dialogues {
    TFormSpheres* FormSpheres = nullptr;
    TFormNotes* FormNotes = nullptr;
    TFormSortsDeMage* FormSortsDeMage = nullptr;
};

// Attaches the work of the commands to the main window:
// - "Sorts de &Clerc": shows the sphere dialog;
// - "&Notes": rebuilds the standard notes, then shows the notes dialog;
// - "Sorts de &Mage": shows the spell catalogue (TravailSortsDeMage);
// - "&Nouveau": unchecks the 48 sphere buttons, empties the user's notes and
//   unmarks the spell catalogue.
// The dialogs must outlive the main window's use of them.
void BrancheDialogues(TPersoForm& persoForm, const Dialogues& dialogues);

// Rewrites the standard notes of the notes dialog from the character, the
// sphere choices and the data files "comprace.dat" and "XP.dat", read afresh.
// On a failure the memo shows the lines built before it, and the failure
// (Echec) goes on to the caller. A null sphere dialog counts as no sphere
// chosen.
void ReconstruitNotesStandard(const TPersoForm& persoForm, const TFormSpheres* spheres, TFormNotes& notes);

// Rebuilds the main window's seven priest spell lists from the sphere
// choices and the data files "sorts2.dat" and "Clercs5.dat", read afresh.
void ConstruitSortsDeClerc(TPersoForm& persoForm, const TFormSpheres& spheres);
