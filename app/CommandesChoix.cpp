#include "CommandesChoix.h"

#include "ListeMarquee.h"
#include "Niveaux.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"
#include "UnitPerso.h"

#include <QCheckBox>

void TravailCompetences(TPersoForm& persoForm, TFormNWP& formNWP)
{
    formNWP.CalculeCompetences(persoForm.personnage());
    formNWP.ListBoxNWP->viewport()->update();   // the costs follow the groups
    formNWP.ListBoxNWPClick();
    formNWP.exec();
}

void TravailArmes(TPersoForm& persoForm, TFormArmes& formArmes)
{
    const Personnage p = persoForm.personnage();
    formArmes.PointsArmes = CalculeEmplacementsArmes(p);
    formArmes.AfficheReste();
    formArmes.CheckBoxSpecialiste->setEnabled(p.classe == QStringLiteral("Guerrier"));
    formArmes.exec();
}

void VideChoix(TFormNWP* formNWP, TFormArmes* formArmes)
{
    if (formNWP)
        formNWP->ListBoxNWP->DemarqueTout();
    if (formArmes) {
        formArmes->ListBoxArmes->DemarqueTout();
        formArmes->FixeSpecialisation(QString());
    }
}
