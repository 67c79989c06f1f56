#pragma once

#include "CatalogueSorts.h"
#include "Competences.h"

#include <QString>
#include <QStringList>

// What the program reads once at start, before any window is shown: the
// proficiency categories and proficiencies ("Vardel.cat", "Vardel.nwp"),
// the weapons ("Vardel.Arm") of the data folder, and the spell catalogue
// ("Mage.mag" of the data folder, or the installed one beside the program
// in `dossierProgramme` when the data folder has none). Each failure is
// shown in its box, in that order, and leaves its part empty.
struct DonneesDeDepart {
    ListesCompetences competences;
    QStringList armes;
    EtatCatalogue catalogue;
};

DonneesDeDepart LitDonneesDeDepart(const QString& dossierDonnees, const QString& dossierProgramme);
