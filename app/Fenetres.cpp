#include "Fenetres.h"

#include "Branchements.h"
#include "UnitPerso.h"

Fenetres::Fenetres(TPersoForm& persoForm)
    : FormNWP(persoForm.FichierDonnees(QStringLiteral("Vardel.cat")), persoForm.FichierDonnees(QStringLiteral("Vardel.nwp")), &persoForm),
      FormArmes(persoForm.FichierDonnees(QStringLiteral("Vardel.Arm")), &persoForm),
      FormSpheres(&persoForm),
      FormNotes(&persoForm)
{
    BrancheDialogues(persoForm, {&FormSpheres, &FormNotes, &FormNWP, &FormArmes});
}
