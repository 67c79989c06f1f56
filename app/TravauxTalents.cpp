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
    ChoixDansLeDialogue<ValeursTalentsVoleur>(
        ouvert, QStringLiteral("les talents de voleur"),
        // The values are the character's from here on, the bases included.
        [](EtatPersonnage& e, const ValeursTalentsVoleur& v) {
            e.fiche.talentsVoleur = v;
            e.talentsVoleurDeBase = false;
        },
        [&](const SuiviDuChoix<ValeursTalentsVoleur>& suivi) { return fenetre.Choisit(valeurs, points, suivi); });
}

void TravailTalentsBarde(const PersonnageOuvert& ouvert, TFormTalentsBarde& fenetre)
{
    fenetre.Choisit(CalculeTalentsBarde(ouvert.Fiche().personnage));
}
