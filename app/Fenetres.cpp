#include "Fenetres.h"

#include "Commandes.h"
#include "UnitFormNotes.h"
#include "UnitFormSpheres.h"
#include "UnitFormTalentsBarde.h"
#include "UnitFormTalentsVoleur.h"
#include "UnitPerso.h"

Fenetres CreeFenetres(TPersoForm& persoForm)
{
    Fenetres f;
    f.PersoForm = &persoForm;
    f.FormTalentsVoleur = new TFormTalentsVoleur(&persoForm);
    f.FormSpheres = new TFormSpheres(&persoForm);
    f.FormNotes = new TFormNotes(&persoForm);
    f.FormTalentsBarde = new TFormTalentsBarde(&persoForm);
    BrancheCommandes(f);
    return f;
}
