#include "Fenetres.h"

#include "Commandes.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"
#include "UnitFormNotes.h"
#include "UnitFormSpheres.h"
#include "UnitFormTalentsBarde.h"
#include "UnitFormTalentsVoleur.h"
#include "UnitPerso.h"

Fenetres CreeFenetres(TPersoForm& persoForm)
{
    Fenetres f;
    f.PersoForm = &persoForm;
    f.FormNWP = new TFormNWP(persoForm.FichierDonnees(QStringLiteral("Vardel.cat")),
                             persoForm.FichierDonnees(QStringLiteral("Vardel.nwp")), &persoForm);
    f.FormArmes = new TFormArmes(persoForm.FichierDonnees(QStringLiteral("Vardel.Arm")), &persoForm);
    f.FormTalentsVoleur = new TFormTalentsVoleur(&persoForm);
    f.FormSpheres = new TFormSpheres(&persoForm);
    f.FormNotes = new TFormNotes(&persoForm);
    f.FormTalentsBarde = new TFormTalentsBarde(&persoForm);
    BrancheCommandes(f);
    return f;
}
