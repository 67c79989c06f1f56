#pragma once

class TFormArmes;
class TFormNWP;
class TPersoForm;

// The work of the commands "&Compétences" and "&Armes", once the main
// window has run their entry checks and marked the sheet modified. Each
// computes the budget from the character as its fields hold it now, shows
// what is left, and shows its dialog modally; the marks stay in the dialog.
// Attach them with
//   persoForm.BrancheCommande(TPersoForm::Commande::Competences, {{}, [&] { TravailCompetences(persoForm, formNWP); }});
//   persoForm.BrancheCommande(TPersoForm::Commande::Armes, {{}, [&] { TravailArmes(persoForm, formArmes); }});

// Groups and points of the proficiencies; one run of the list's click
// reaction, which unmarks the current entry (with "Pas assez de points")
// when the marks now exceed the budget.
void TravailCompetences(TPersoForm& persoForm, TFormNWP& formNWP);

// Weapon slots; the slots left shown as they are, even below zero;
// "Spécialisation" enabled for a single-class "Guerrier" only.
void TravailArmes(TPersoForm& persoForm, TFormArmes& formArmes);

// What "&Nouveau" empties: every mark of both lists and the specialisation.
void VideChoix(TFormNWP* formNWP, TFormArmes* formArmes);
