#pragma once

#include <QString>
#include <QStringList>

// Where Vardel finds its data files: the rule files that every command
// reads, and the spell catalogue "Mage.mag".

// The rule files, by their exact names.
QStringList FichiersDeRegles();

// True when the folder holds every rule file.
bool ContientLesDonnees(const QString& dossier);

// The installed data folder of a program whose executable lies in
// `dossierProgramme` (".../bin"): ".../share/vardel", whatever the prefix.
QString DossierDonneesInstalle(const QString& dossierProgramme);

// The data folder: the working directory when it holds the rule files (a
// start from the data folder itself, as from the source tree), else the
// installed one when it does; empty when neither does.
QString ChoisitRepertoireDonnees(const QString& dossierDeTravail, const QString& dossierProgramme);

// The spell catalogue read at start: "Mage.mag" of the data folder, or the
// installed one when the data folder has none (a folder of the user's that
// holds only the rule files); "Mage.mag" of the data folder when neither
// exists, so that the failure names it.
QString CatalogueDeDepart(const QString& dossierDonnees, const QString& dossierProgramme);

// What the user is told when neither folder holds the data files.
QString MessageDonneesIntrouvables(const QString& dossierDeTravail, const QString& dossierProgramme);
