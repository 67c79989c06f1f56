#pragma once

#include "DonneesImpression.h"

struct Fenetres;

// The work of the commands "&Imprimer" and "&Aperçu avant impression".

// What the printed pages show, read now from the main window and the
// dialogs: the entry fields, the marked proficiencies and weapons with the
// points left and the specialisation, the thief values, the sphere choices,
// the notes, the marked mage spells with their rolls, the priest lists and
// the texts the main window keeps for the printout. A dialog not created
// gives nothing.
DonneesImpression DonneesDImpression(const Fenetres& f);

// Hands back to the windows what drawing the pages refreshed: the
// adjustments and saving throws of the main window, the standard notes of
// the notes dialog, and the priest lists.
void RendDonneesImpression(const DonneesImpression& donnees, const Fenetres& f);

// "&Imprimer": the print dialog (whatever the user answers, the command
// goes on), the full entry check, then the print job.
void TravailImpression(const Fenetres& f);

// "&Aperçu avant impression", once the full entry check has passed: the
// preview; leaving it with "&Imprimer" runs the print job.
void TravailApercu(const Fenetres& f);
