#include "TravauxImpression.h"

#include "Fenetres.h"
#include "ImpressionFiche.h"
#include "ListeMarquee.h"
#include "Plateforme.h"
#include "UnitFormArmes.h"
#include "UnitFormChoixImpression.h"
#include "UnitFormNWP.h"
#include "UnitFormNotes.h"
#include "UnitFormPreview.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormSpheres.h"
#include "UnitPerso.h"
#include "Verifications.h"

DonneesImpression DonneesDImpression(const Fenetres& f)
{
    const TPersoForm& persoForm = *f.PersoForm;
    DonneesImpression d;
    d.Perso = persoForm.personnage();
    d.RepertoireDonnees = persoForm.RepertoireDonnees();
    d.Ajustements = persoForm.Ajustements;
    d.JetsDeProtection = persoForm.JetsDeProtection;
    d.TalentsVoleur = persoForm.TalentsVoleur;
    if (f.FormNWP) {
        d.Competences = f.FormNWP->ListBoxNWP->LignesMarquees();
        d.PointsCompetences = f.FormNWP->PointsRestants();
    }
    if (f.FormArmes) {
        d.Armes = f.FormArmes->ListBoxArmes->LignesMarquees();
        d.PointsArmes = f.FormArmes->PointsRestants();
        d.Specialisation = f.FormArmes->Specialisation();
    }
    d.Spheres = f.FormSpheres ? f.FormSpheres->Choix() : ChoixSpheres{};
    if (f.FormNotes) {
        d.NotesStandard = f.FormNotes->LignesStandard();
        d.Notes = f.FormNotes->LignesNotes();
    }
    if (f.FormSortsDeMage)
        for (int niveau = 1; niveau <= 9; ++niveau)
            d.SortsDeMage[std::size_t(niveau - 1)] = f.FormSortsDeMage->SortsMarques(niveau);
    d.SortsDeMageParNiveau = persoForm.SortsDeMageParNiveau;
    d.ChanceApprentissage = ChanceApprentissageDe(d.Perso);
    d.SortsDeClercParNiveau = persoForm.SortsDeClercParNiveau;
    return d;
}

void RendDonneesImpression(const DonneesImpression& donnees, const Fenetres& f)
{
    TPersoForm& persoForm = *f.PersoForm;
    persoForm.Ajustements = donnees.Ajustements;
    persoForm.JetsDeProtection = donnees.JetsDeProtection;
    persoForm.SortsDeClercParNiveau = donnees.SortsDeClercParNiveau;
    if (f.FormNotes)
        f.FormNotes->FixeLignesStandard(donnees.NotesStandard);
}

namespace {

// The print job on what the windows hold now; what it refreshed goes back
// to them, also when it fails halfway.
void imprime(const Fenetres& f)
{
    DonneesImpression d = DonneesDImpression(f);
    try {
        ImprimeFiche(*f.FormChoixImpression, d);
    } catch (...) {
        RendDonneesImpression(d, f);
        throw;
    }
    RendDonneesImpression(d, f);
}

}

void TravailImpression(const Fenetres& f)
{
    plateforme().dialogueImpression();
    if (!f.PersoForm->verifieOuSignale(Verifications::VerifieSaisie))
        return;
    imprime(f);
}

void TravailApercu(const Fenetres& f)
{
    TFormPreview& apercu = *f.FormPreview;
    const int resultat = apercu.Montre(DonneesDImpression(f));
    RendDonneesImpression(apercu.Donnees, f);
    if (resultat == QDialog::Accepted && f.FormChoixImpression)
        imprime(f);
}
