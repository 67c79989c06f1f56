#include "Fenetres.h"

#include "Commandes.h"
#include "DonneesDeDepart.h"
#include "PersonnageOuvert.h"
#include "UnitFormArmes.h"
#include "UnitFormChoixImpression.h"
#include "UnitFormNWP.h"
#include "UnitFormNotes.h"
#include "UnitFormPourcentage.h"
#include "UnitFormPreview.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormSpheres.h"
#include "UnitFormTalentsBarde.h"
#include "UnitFormTalentsVoleur.h"
#include "UnitFormTirage.h"
#include "UnitNouveauSortDeMage.h"
#include "UnitPerso.h"

#include "RepertoireDonnees.h"

#include <QCoreApplication>
#include <QPointer>

struct Fenetres::Dialogues {
    QPointer<TFormPreview> preview;
    QPointer<TFormNWP> nwp;
    QPointer<TFormArmes> armes;
    QPointer<TFormTalentsVoleur> talentsVoleur;
    QPointer<TFormSpheres> spheres;
    QPointer<TFormSortsDeMage> sortsDeMage;
    QPointer<TFormNotes> notes;
    QPointer<TFormTalentsBarde> talentsBarde;
    QPointer<TFormChoixImpression> choixImpression;
    QPointer<TFormPourcentage> pourcentage;
    QPointer<TFormNouveauSortDeMage> nouveauSort;
    QPointer<TFormTirage> tirage;
};

namespace {

// The dialog held in `d`, created by `cree` the first time.
template <typename T, typename Creation>
T& premiere(QPointer<T>& d, Creation cree)
{
    if (!d)
        d = cree();
    return *d;
}

}

TFormPreview& Fenetres::FormPreview() const
{
    return premiere(dialogues_->preview, [this] { return new TFormPreview(PersoForm); });
}

TFormNWP& Fenetres::FormNWP() const
{
    return premiere(dialogues_->nwp, [this] { return new TFormNWP(Ouvert->Competences, PersoForm); });
}

TFormArmes& Fenetres::FormArmes() const
{
    return premiere(dialogues_->armes, [this] { return new TFormArmes(Ouvert->Armes, PersoForm); });
}

TFormTalentsVoleur& Fenetres::FormTalentsVoleur() const
{
    return premiere(dialogues_->talentsVoleur, [this] { return new TFormTalentsVoleur(PersoForm); });
}

TFormSpheres& Fenetres::FormSpheres() const
{
    return premiere(dialogues_->spheres, [this] { return new TFormSpheres(PersoForm); });
}

TFormSortsDeMage& Fenetres::FormSortsDeMage() const
{
    return premiere(dialogues_->sortsDeMage, [this] {
        auto* d = new TFormSortsDeMage(PersoForm);
        const Fenetres f = *this;
        d->RelieDialogues([f] { return &f.FormPourcentage(); }, [f] { return &f.FormNouveauSortDeMage(); });
        d->FixeEtat(Ouvert->Catalogue);
        return d;
    });
}

TFormNotes& Fenetres::FormNotes() const
{
    return premiere(dialogues_->notes, [this] { return new TFormNotes(PersoForm); });
}

TFormTalentsBarde& Fenetres::FormTalentsBarde() const
{
    return premiere(dialogues_->talentsBarde, [this] { return new TFormTalentsBarde(PersoForm); });
}

TFormChoixImpression& Fenetres::FormChoixImpression() const
{
    return premiere(dialogues_->choixImpression, [this] { return new TFormChoixImpression(PersoForm); });
}

TFormPourcentage& Fenetres::FormPourcentage() const
{
    return premiere(dialogues_->pourcentage, [this] { return new TFormPourcentage(PersoForm); });
}

TFormTirage& Fenetres::FormTirage() const
{
    return premiere(dialogues_->tirage, [this] {
        return new TFormTirage(Ouvert->FichierDonnees(QStringLiteral("Exigences.dat")), Hasard::Lance, PersoForm);
    });
}

TFormNouveauSortDeMage& Fenetres::FormNouveauSortDeMage() const
{
    return premiere(dialogues_->nouveauSort, [this] { return new TFormNouveauSortDeMage(PersoForm); });
}

Fenetres CreeFenetres(TPersoForm& persoForm)
{
    Fenetres f;
    f.PersoForm = &persoForm;
    f.dialogues_ = std::make_shared<Fenetres::Dialogues>();
    f.Ouvert = std::make_shared<PersonnageOuvert>();
    PersonnageOuvert& ouvert = *f.Ouvert;
    ouvert.RepertoireDonnees = persoForm.RepertoireDonnees();
    // The lists of the choice dialogs, then the spell catalogue, as the
    // dialogs read them at start, each failure in its box.
    DonneesDeDepart lu = LitDonneesDeDepart(ouvert.RepertoireDonnees, QCoreApplication::applicationDirPath());
    ouvert.Competences = std::move(lu.competences);
    ouvert.Armes = std::move(lu.armes);
    ouvert.Catalogue = std::move(lu.catalogue);
    FichePersonnage depart;
    depart.personnage = persoForm.personnage();   // the sheet's defaults ("Commun")
    ouvert.Remplace(depart, PersonnageOuvert::Origine::Nouveau, QString(), true);
    ouvert.Historique().clear();
    BrancheCommandes(f);
    return f;
}
