#include "TravauxTalents.h"

#include "PersonnageOuvert.h"
#include "TalentsBarde.h"
#include "TalentsVoleur.h"
#include "UnitFormTalentsBarde.h"
#include "UnitFormTalentsVoleur.h"

void TravailTalentsVoleur(PersonnageOuvert& ouvert, TFormTalentsVoleur& fenetre)
{
    ValeursTalentsVoleur& valeurs = ouvert.Fiche.talentsVoleur;
    const qint64 points = CalculeTalentsVoleur(ouvert.Fiche.personnage, ouvert.TalentsVoleurDeBase, valeurs);
    fenetre.FixeValeurs(valeurs, points);
    fenetre.exec();
    valeurs = fenetre.Valeurs();
    ouvert.TalentsVoleurDeBase = false;
}

void TravailTalentsBarde(const PersonnageOuvert& ouvert, TFormTalentsBarde& fenetre)
{
    fenetre.FixeChoix(CalculeTalentsBarde(ouvert.Fiche.personnage));
    fenetre.exec();
}
