#include "CommandesChoix.h"

#include "Fenetres.h"
#include "ListeMarquee.h"
#include "Niveaux.h"
#include "PendantLeDialogue.h"
#include "PersonnageOuvert.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"

#include <QCheckBox>

void TravailCompetences(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    TFormNWP& formNWP = f.FormNWP();
    formNWP.FixeMarques(ouvert.Fiche.competences);
    formNWP.CalculeCompetences(ouvert.Fiche.personnage);
    ouvert.BudgetNWP = {formNWP.GroupesAutorises, formNWP.PointsCompetences};
    formNWP.ListBoxNWP->viewport()->update();   // the costs follow the groups
    formNWP.ListBoxNWPClick();
    {
        PendantLeDialogue pendant(ouvert, formNWP, [&formNWP](FichePersonnage& f) { f.competences = formNWP.Marques(); });
        formNWP.exec();
    }
    ouvert.Fiche.competences = formNWP.Marques();
}

void TravailArmes(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    TFormArmes& formArmes = f.FormArmes();
    const Personnage& p = ouvert.Fiche.personnage;
    formArmes.FixeMarques(ouvert.Fiche.armes);
    formArmes.FixeSpecialisation(ouvert.Fiche.specialisation);
    ouvert.PointsArmes = CalculeEmplacementsArmes(p);
    formArmes.PointsArmes = ouvert.PointsArmes;
    formArmes.AfficheReste();
    formArmes.CheckBoxSpecialiste->setEnabled(p.classe == QStringLiteral("Guerrier"));
    {
        PendantLeDialogue pendant(ouvert, formArmes, [&formArmes](FichePersonnage& f) {
            f.armes = formArmes.Marques();
            f.specialisation = formArmes.Specialisation();
        });
        formArmes.exec();
    }
    ouvert.Fiche.armes = formArmes.Marques();
    ouvert.Fiche.specialisation = formArmes.Specialisation();
}
