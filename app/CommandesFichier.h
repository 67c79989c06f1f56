#pragma once

#include "FichierPersonnage.h"
#include "PersonnageOuvert.h"
#include "Plateforme.h"

#include <QString>

class Fenetres;
class QSettings;

// The commands "&Sauver" and "&Ouvrir" of the character file: the open
// character is written as it is, and a file read replaces it; the file's
// lines are made and read in FichierPersonnage.

// The save dialog "Sauvegarde du personnage" and the open dialog (no title
// of its own), each proposing its name.
DialogueFichier DialogueSauvegardePersonnage(const QString& nom);
DialogueFichier DialogueOuverturePersonnage(const QString& nom);

// Puts a character read from a file (or a recovery file) in the open
// one's place, as one step of the history: the sheet shows its fields (the
// class change after the class; levels and Extra the file does not set
// stay as the sheet shows them), and the proficiency budget, the weapon
// slots and the catalogue's marks follow it (a level-1 spell the catalogue
// lacks is added to it with placeholder details). The positions must be
// entries of the lists (LitFichePersonnage checks them); nothing here fails.
void AppliqueFiche(const Fenetres& f, const FichePersonnage& fiche, PersonnageOuvert::Origine origine,
                   const QString& fichier, bool talentsVoleurDeBase);

// "&Sauver": the save dialog, then the file written whole and atomically,
// and the character no longer modified. A cancelled dialog changes nothing;
// a file that cannot be written throws Echec "Ne peut créer le fichier " +
// name, keeps any previous file as it was and the character modified. The
// name chosen is proposed at the next save either way.
void TravailSauver(const Fenetres& f);

// "&Ouvrir", once the unsaved changes are settled: the open dialog, then
// the file read and checked whole before anything changes. A file that
// cannot be read or is damaged throws Echec and changes nothing (nor the
// name the save dialog proposes). A good file replaces the character, the
// standard notes are rebuilt, and the character is unmodified with the
// thief values as read.
void TravailOuvrir(const Fenetres& f);

// The opening itself, once the file is named (by the open dialog, or given
// from outside: on the command line at start): the same reading, the same
// failures; the save dialog proposes the name once the file is read.
void OuvreFichierPersonnage(const Fenetres& f, const QString& nom);

// A file saved or opened: first in "Personnages récents".
void NoteFichierRecent(const Fenetres& f, const QString& nom);

// A character file chosen outside the open dialog (in "Personnages
// récents", dropped onto the sheet): opened as "&Ouvrir" opens a file, once
// the unsaved changes are settled. A file that no longer exists gives the
// usual error box and leaves the recent list.
void OuvreFichierChoisi(const Fenetres& f, const QString& nom);

// A spell file ("*.mag", the case of the letters aside).
bool EstFichierDeSorts(const QString& nom);

// A spell file given from outside (at start, dropped onto the sheet): read
// as the spell window's "&Ouvrir" reads it, into the catalogue; then, when
// it was read, "Sorts de &Mage" as its button runs it: the spell window
// when the sheet's checks allow it, their box otherwise.
void OuvreFichierSortsDonne(const Fenetres& f, const QString& nom);

// A file given from outside: a spell file as above, any other as a
// character file (OuvreFichierChoisi).
void OuvreFichierDonne(const Fenetres& f, const QString& nom);

// "Personnages récents" kept in those settings for the run: read at once
// into the menu, then read again before each change and written back, so
// that copies of Vardel running at once keep each other's files.
void GardeRecentsDans(const Fenetres& f, QSettings& reglages);
