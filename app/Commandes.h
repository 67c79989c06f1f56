#pragma once

#include "Fenetres.h"

// Attaches every command of the main window to its checks and its work: the
// one place where the windows meet the open character. Makes the main
// window a view of it: each change of a field goes to the character, each
// change by the user marks it modified.
void BrancheCommandes(const Fenetres& f);

// Before the character is left (closing, "&Nouveau", "&Ouvrir"): with
// unsaved changes, asks "Sauver le personnage ?". True when the command may
// go on: "&Non", or "&Oui" and the save succeeded. "Annuler", or a save
// cancelled or failed, keeps the character (false).
bool QuitteLePersonnage(const Fenetres& f);
