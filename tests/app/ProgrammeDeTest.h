#pragma once

#include "Fenetres.h"
#include "PersonnageOuvert.h"
#include "UnitPerso.h"

#include "Fichiers.h"

#include <QApplication>
#include <QDir>
#include <memory>

// The program as its entry creates it, on the shipped data (the lists of
// proficiencies and weapons, the spell catalogue "Mage.mag"), its main
// window shown.
struct ProgrammeDeTest {
    ProgrammeDeTest()
    {
        const QString avant = QDir::currentPath();
        QDir::setCurrent(DossierDonnees());
        persoForm = std::make_unique<TPersoForm>();
        f = CreeFenetres(*persoForm);
        QDir::setCurrent(avant);
        persoForm->show();
        QApplication::processEvents();
    }

    TPersoForm& p() const { return *persoForm; }
    PersonnageOuvert& o() const { return *f.Ouvert; }

    std::unique_ptr<TPersoForm> persoForm;
    Fenetres f;
};
