#include "Fenetres.h"

#include "Commandes.h"
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
#include "UnitNouveauSortDeMage.h"
#include "CommandesFichier.h"
#include "UnitPerso.h"

#include <QLineEdit>

Fenetres CreeFenetres(TPersoForm& persoForm)
{
    Fenetres f;
    f.PersoForm = &persoForm;
    f.FormPreview = new TFormPreview(&persoForm);
    f.FormNWP = new TFormNWP(persoForm.FichierDonnees(QStringLiteral("Vardel.cat")),
                             persoForm.FichierDonnees(QStringLiteral("Vardel.nwp")), &persoForm);
    f.FormArmes = new TFormArmes(persoForm.FichierDonnees(QStringLiteral("Vardel.Arm")), &persoForm);
    f.FormTalentsVoleur = new TFormTalentsVoleur(&persoForm);
    f.FormSpheres = new TFormSpheres(&persoForm);
    f.FormSortsDeMage = new TFormSortsDeMage(
        persoForm.SortsDeMageParNiveau, [&persoForm] { return persoForm.EditIntelligence->text(); }, &persoForm);
    f.FormNotes = new TFormNotes(&persoForm);
    f.FormTalentsBarde = new TFormTalentsBarde(&persoForm);
    f.FormChoixImpression = new TFormChoixImpression(&persoForm);
    f.FormPourcentage = new TFormPourcentage(&persoForm);
    f.FormNouveauSortDeMage = new TFormNouveauSortDeMage(&persoForm);
    f.FormSortsDeMage->RelieDialogues(f.FormPourcentage, f.FormNouveauSortDeMage);
    f.NomsFichiers = std::make_shared<NomsFichiersPersonnage>();
    BrancheCommandes(f);
    return f;
}
