#pragma once

class Fenetres;

// The work of the commands "&Compétences" and "&Armes", once the main
// window has run their entry checks and the character is marked modified.
// Each computes the budget from the character as it is now, gives the
// dialog the character's marks, shows what is left, shows the dialog
// modally, and takes the marks back when it closes.

// Groups and points of the proficiencies; one run of the list's click
// reaction, which unmarks the current entry (with "Pas assez de points")
// when the marks now exceed the budget.
void TravailCompetences(const Fenetres& f);

// Weapon slots; the slots left shown as they are, even below zero;
// "Spécialisation" enabled for a single-class "Guerrier" only.
void TravailArmes(const Fenetres& f);
