#include "Fenetres.h"

#include "Commandes.h"
#include "UnitFormNotes.h"
#include "UnitFormSpheres.h"
#include "UnitPerso.h"

Fenetres CreeFenetres(TPersoForm& persoForm)
{
    Fenetres f;
    f.PersoForm = &persoForm;
    f.FormSpheres = new TFormSpheres(&persoForm);
    f.FormNotes = new TFormNotes(&persoForm);
    BrancheCommandes(f);
    return f;
}
