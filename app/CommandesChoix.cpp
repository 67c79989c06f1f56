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
    formNWP.FixeMarques(ouvert.Fiche().competences);
    formNWP.CalculeCompetences(ouvert.Fiche().personnage);
    ouvert.BudgetNWP = {formNWP.GroupesAutorises, formNWP.PointsCompetences};
    formNWP.ListBoxNWP->viewport()->update();   // the costs follow the groups
    formNWP.ListBoxNWPClick();
    const auto part = [&formNWP](EtatPersonnage& e) { e.fiche.competences = formNWP.Marques(); };
    {
        PendantLeDialogue pendant(ouvert, formNWP, part);
        formNWP.exec();
    }
    ouvert.Change(QStringLiteral("les compétences"), part);
}

void TravailArmes(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    TFormArmes& formArmes = f.FormArmes();
    const Personnage& p = ouvert.Fiche().personnage;
    formArmes.FixeMarques(ouvert.Fiche().armes);
    formArmes.FixeSpecialisation(ouvert.Fiche().specialisation);
    ouvert.PointsArmes = CalculeEmplacementsArmes(p);
    formArmes.PointsArmes = ouvert.PointsArmes;
    formArmes.AfficheReste();
    formArmes.CheckBoxSpecialiste->setEnabled(p.classe == QStringLiteral("Guerrier"));
    const auto part = [&formArmes](EtatPersonnage& e) {
        e.fiche.armes = formArmes.Marques();
        e.fiche.specialisation = formArmes.Specialisation();
    };
    {
        PendantLeDialogue pendant(ouvert, formArmes, part);
        formArmes.exec();
    }
    ouvert.Change(QStringLiteral("les armes"), part);
}
