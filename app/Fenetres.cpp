#include "Fenetres.h"

#include "Branchements.h"
#include "UnitPerso.h"

Fenetres::Fenetres(TPersoForm& persoForm)
    : FormTalentsVoleur(&persoForm), FormSpheres(&persoForm), FormNotes(&persoForm), FormTalentsBarde(&persoForm)
{
    BrancheDialogues(persoForm, {&FormSpheres, &FormNotes, &FormTalentsVoleur, &FormTalentsBarde});
}
