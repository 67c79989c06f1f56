#include "Fenetres.h"

#include "Branchements.h"
#include "UnitPerso.h"

Fenetres::Fenetres(TPersoForm& persoForm) : FormSpheres(&persoForm), FormNotes(&persoForm)
{
    BrancheDialogues(persoForm, {&FormSpheres, &FormNotes});
}
