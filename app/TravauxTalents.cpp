#include "TravauxTalents.h"

#include "TalentsBarde.h"
#include "TalentsVoleur.h"
#include "UnitFormTalentsBarde.h"
#include "UnitFormTalentsVoleur.h"
#include "UnitPerso.h"

void TravailTalentsVoleur(TPersoForm& persoForm, TFormTalentsVoleur& fenetre)
{
    const qint64 points = CalculeTalentsVoleur(persoForm.personnage(), persoForm.TalentsVoleurDeBase,
                                               persoForm.TalentsVoleur);
    fenetre.FixeValeurs(persoForm.TalentsVoleur, points);
    fenetre.exec();
    persoForm.TalentsVoleur = fenetre.Valeurs();
    persoForm.TalentsVoleurDeBase = false;
}

void TravailTalentsBarde(TPersoForm& persoForm, TFormTalentsBarde& fenetre)
{
    fenetre.FixeChoix(CalculeTalentsBarde(persoForm.personnage()));
    fenetre.exec();
}
