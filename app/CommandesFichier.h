#pragma once

#include "FichierPersonnage.h"
#include "Plateforme.h"

#include <QString>

struct Fenetres;

// The commands "&Sauver" and "&Ouvrir" of the character file: they gather
// the character from the windows as one value (FichePersonnage) and give it
// back to them; the file's lines are made and read in FichierPersonnage.

// The names the two file dialogs propose: the last one chosen in each (the
// save dialog also takes the name of a file opened).
struct NomsFichiersPersonnage {
    QString sauvegarde;
    QString ouverture;
};

// The save dialog "Sauvegarde du personnage" and the open dialog (no title
// of its own), each proposing its name.
DialogueFichier DialogueSauvegardePersonnage(const QString& nom);
DialogueFichier DialogueOuverturePersonnage(const QString& nom);

// The whole character as the windows hold it now (without the exceptional
// strength, which the file does not keep).
FichePersonnage RassembleFiche(const Fenetres& f);

// Gives a character read from a file to the windows, in the order of the
// file: the fields (the class change after the class), the proficiency
// marks and budget, the weapon marks, specialisation and slots, the thief
// values, the spells (the catalogue's marks; a level-1 spell the catalogue
// lacks is added to it with placeholder details), the spheres and the
// notes. The positions must be entries of the lists (LitFichePersonnage
// checks them); nothing here fails.
void AppliqueFiche(const Fenetres& f, const FichePersonnage& fiche);

// "&Sauver": the save dialog, then the file written whole and atomically,
// and the sheet no longer modified. A cancelled dialog changes nothing; a
// file that cannot be written throws Echec "Ne peut créer le fichier " +
// name, keeps any previous file as it was and the sheet modified. The name
// chosen is proposed at the next save either way.
void TravailSauver(const Fenetres& f, NomsFichiersPersonnage& noms);

// "&Ouvrir", once the unsaved changes are settled: the open dialog, then
// the file read and checked whole before anything changes. A file that
// cannot be read or is damaged throws Echec and changes nothing (nor the
// name the save dialog proposes). A good file replaces the character, the
// standard notes are rebuilt, and the sheet is unmodified with the thief
// values as read.
void TravailOuvrir(const Fenetres& f, NomsFichiersPersonnage& noms);

// The opening itself, once the file is named (by the open dialog, or given
// from outside: on the command line at start): the same reading, the same
// failures; the save dialog proposes the name once the file is read.
void OuvreFichierPersonnage(const Fenetres& f, NomsFichiersPersonnage& noms, const QString& nom);
