#include "TravauxTalents.h"

#include "PendantLeDialogue.h"
#include "PersonnageOuvert.h"
#include "TalentsBarde.h"
#include "TalentsVoleur.h"
#include "UnitFormTalentsBarde.h"
#include "UnitFormTalentsVoleur.h"

void TravailTalentsVoleur(PersonnageOuvert& ouvert, TFormTalentsVoleur& fenetre)
{
    ValeursTalentsVoleur valeurs = ouvert.Fiche().talentsVoleur;
    const qint64 points = CalculeTalentsVoleur(ouvert.Fiche().personnage, ouvert.TalentsVoleurDeBase(), valeurs);
    fenetre.FixeValeurs(valeurs, points);
    // The values are the character's from here on, the bases included.
    const auto part = [&fenetre](EtatPersonnage& e) {
        e.fiche.talentsVoleur = fenetre.Valeurs();
        e.talentsVoleurDeBase = false;
    };
    {
        PendantLeDialogue pendant(ouvert, fenetre, part);
        fenetre.exec();
    }
    ouvert.Change(QStringLiteral("les talents de voleur"), part);
}

void TravailTalentsBarde(const PersonnageOuvert& ouvert, TFormTalentsBarde& fenetre)
{
    fenetre.FixeChoix(CalculeTalentsBarde(ouvert.Fiche().personnage));
    fenetre.exec();
}
