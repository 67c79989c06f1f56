#pragma once

struct PersonnageOuvert;
class TFormTalentsBarde;
class TFormTalentsVoleur;

// The work of the commands "Talents de &Voleur" and "Talents de &Barde",
// run by the main window after their entry checks have passed and the
// character has been marked modified.

// Prepares the thief skills (reset to the bases while
// PersonnageOuvert::TalentsVoleurDeBase is set), shows the dialog modally,
// then copies its eight values into the character and clears
// TalentsVoleurDeBase, whichever way the dialog was closed.
void TravailTalentsVoleur(PersonnageOuvert& ouvert, TFormTalentsVoleur& fenetre);

// Starts the bard skills again from the bases and the full points of the
// bard level, and shows the dialog modally.
void TravailTalentsBarde(const PersonnageOuvert& ouvert, TFormTalentsBarde& fenetre);
