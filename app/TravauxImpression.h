#pragma once

#include "DonneesImpression.h"
#include "Plateforme.h"

class Fenetres;
struct PersonnageOuvert;

// The work of the commands "&Imprimer" and "&Aperçu avant impression".

// What the printed pages show, read now from the open character: the entry
// texts, the marked proficiencies and weapons with the points left and the
// specialisation, the thief values, the sphere choices, the notes, the
// marked mage spells with their rolls, the priest lists and the texts kept
// for the printout. No window is needed.
DonneesImpression DonneesDImpression(const PersonnageOuvert& ouvert);

// Hands back to the open character what drawing the pages refreshed: the
// adjustments and saving throws, the standard notes, and the priest lists.
void RendDonneesImpression(const DonneesImpression& donnees, PersonnageOuvert& ouvert);

// "&Imprimer": the print dialog ("Annuler" there ends the command), the
// full entry check, then the print job.
void TravailImpression(const Fenetres& f);

// "&Aperçu avant impression", once the full entry check has passed: the
// preview; leaving it with "&Imprimer" runs the print job.
void TravailApercu(const Fenetres& f);

// The file dialog of the PDF export, proposing `nom`.
DialogueFichier DialogueExportPDF(const QString& nom);

// "Exporter en PDF...", once the full entry check has passed: the print
// choice, then the file's name (the character's name proposed, in the
// folder of the last export), then exactly the pages printing would give,
// on A4, without the print dialog. A file that cannot be written throws
// Echec "Ne peut créer le fichier " + its name.
void TravailExportPDF(const Fenetres& f);
