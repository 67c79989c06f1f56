#include "CommandesChoix.h"

#include "Fenetres.h"
#include "Niveaux.h"
#include "PendantLeDialogue.h"
#include "PersonnageOuvert.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"

void TravailCompetences(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    ouvert.BudgetNWP = CalculeCompetences(ouvert.Fiche().personnage);
    ChoixDansLeDialogue<QList<qsizetype>>(
        ouvert, QStringLiteral("les compétences"),
        [](EtatPersonnage& e, const QList<qsizetype>& marques) { e.fiche.competences = marques; },
        [&](const SuiviDuChoix<QList<qsizetype>>& suivi) {
            return f.FormNWP().Choisit(ouvert.Fiche().competences, ouvert.BudgetNWP, suivi);
        });
}

void TravailArmes(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    const Personnage& p = ouvert.Fiche().personnage;
    ouvert.PointsArmes = CalculeEmplacementsArmes(p);
    const bool specialisationPermise = p.classe == QStringLiteral("Guerrier");
    ChoixDansLeDialogue<ChoixArmes>(
        ouvert, QStringLiteral("les armes"),
        [](EtatPersonnage& e, const ChoixArmes& choix) {
            e.fiche.armes = choix.marques;
            e.fiche.specialisation = choix.specialisation;
        },
        [&](const SuiviDuChoix<ChoixArmes>& suivi) {
            return f.FormArmes().Choisit({ouvert.Fiche().armes, ouvert.Fiche().specialisation}, ouvert.PointsArmes,
                                         specialisationPermise, suivi);
        });
}
