#include "Fenetres.h"

#include "Branchements.h"
#include "UnitPerso.h"

#include <QLineEdit>

Fenetres::Fenetres(TPersoForm& persoForm)
    : FormSpheres(&persoForm),
      FormSortsDeMage(persoForm.SortsDeMageParNiveau, [&persoForm] { return persoForm.EditIntelligence->text(); },
                      &persoForm),
      FormNotes(&persoForm),
      FormPourcentage(&persoForm),
      FormNouveauSortDeMage(&persoForm)
{
    FormSortsDeMage.RelieDialogues(&FormPourcentage, &FormNouveauSortDeMage);
    BrancheDialogues(persoForm, {&FormSpheres, &FormNotes, &FormSortsDeMage});
}
