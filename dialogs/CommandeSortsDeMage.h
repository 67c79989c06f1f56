#pragma once

class TFormSortsDeMage;

// The work of the command "Sorts de &Mage", once the main window has checked
// the Intelligence and marked the sheet modified: shows the spell catalogue
// modally. The catalogue and the character's spells are the dialog's own
// and the main window's lists; nothing is copied when it closes.
void TravailSortsDeMage(TFormSortsDeMage& formSortsDeMage);
