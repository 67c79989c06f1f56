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

// Changes the open character as a dialog would: on a copy, given back as
// one step by fin() or at the end of the scope.
class Retouche {
public:
    explicit Retouche(PersonnageOuvert& o) : o_(o), fiche_(o.Fiche()) {}
    ~Retouche() { fin(); }
    Retouche(const Retouche&) = delete;
    Retouche& operator=(const Retouche&) = delete;
    FichePersonnage* operator->() { return &fiche_; }
    void fin()
    {
        if (fait_)
            return;
        fait_ = true;
        o_.Change(QStringLiteral("retouche"), [this](EtatPersonnage& e) { e.fiche = fiche_; });
    }

private:
    PersonnageOuvert& o_;
    FichePersonnage fiche_;
    bool fait_ = false;
};
