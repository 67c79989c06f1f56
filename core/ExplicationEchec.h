#pragma once

#include "Echec.h"

#include <QString>

// The failures of opening and saving a user's file keep their first line
// ("Ne peut ouvrir le fichier ...", "Ne peut créer le fichier ...", "Index
// liste hors bornes") and gain a second one that says which file, and why,
// in the user's words.

// Why a file cannot be read: "Fichier introuvable", "Permission refusée",
// "C'est un dossier, pas un fichier", ... found by looking at it now.
QString RaisonLecture(const QString& nom);
// Why a file cannot be written there, the same way.
QString RaisonEcriture(const QString& nom);

// The same failure with its second line: the reason for a file that cannot
// be opened or created, or for a file read but not understood, that the
// file is not `quoi` ("un personnage Vardel", "un fichier de sorts de
// mage"): "« /etc/passwd » n'est pas un personnage Vardel, ou il est
// abîmé.". Any other failure (one that already names its value) is kept
// as it is.
Echec Explique(const Echec& echec, const QString& nom, const QString& quoi);
