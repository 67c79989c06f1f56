#pragma once

class TFormTalentsBarde;
class TFormTalentsVoleur;
class TPersoForm;

// The work of the commands "Talents de &Voleur" and "Talents de &Barde",
// run by the main window after their entry checks have passed and the sheet
// has been marked modified.

// Prepares the thief skills (reset to the bases while
// TPersoForm::TalentsVoleurDeBase is set), shows the dialog modally, then
// copies its eight values into TPersoForm::TalentsVoleur and clears
// TalentsVoleurDeBase, whichever way the dialog was closed.
void TravailTalentsVoleur(TPersoForm& persoForm, TFormTalentsVoleur& fenetre);

// Starts the bard skills again from the bases and the full points of the
// bard level, and shows the dialog modally.
void TravailTalentsBarde(TPersoForm& persoForm, TFormTalentsBarde& fenetre);
