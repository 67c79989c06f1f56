#include "Controles.h"
#include "Fenetres.h"
#include "PersonnageOuvert.h"
#include "Saisie.h"
#include "Champs.h"
#include "ListeMarquee.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"
#include "UnitPerso.h"

#include "Fichiers.h"
#include "PlateformeScriptee.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The main window on the shipped data, with the two choice dialogs created
// as at start and attached to its commands.
class CommandesChoix : public ::testing::Test {
protected:
    void SetUp() override
    {
        boites = &PlateformeScriptee::remiseAZero();
        const QString avant = QDir::currentPath();
        QDir::setCurrent(DossierDonnees());
        f = std::make_unique<TPersoForm>();
        fenetres = CreeFenetres(*f);
        QDir::setCurrent(avant);
        f->show();
        f->activateWindow();
        QApplication::processEvents();
        ASSERT_TRUE(boites->boites.empty());
    }

    void personnage(const QString& classe, const QStringList& niveaux, const QString& intelligence = "12")
    {
        choisit(f->ComboClasse, classe);
        QLineEdit* edits[] = {f->EditNiveau1, f->EditNiveau2, f->EditNiveau3};
        for (qsizetype k = 0; k < niveaux.size(); ++k)
            edits[k]->setText(niveaux[k]);
        f->EditIntelligence->setText(intelligence);
    }


    static int position(const ListeMarquee* l, const QString& nom)
    {
        for (int i = 0; i < l->Nombre(); ++i)
            if (Champ1(l->Texte(i)) == nom)
                return i;
        ADD_FAILURE() << nom.toStdString();
        return -1;
    }

    static void clique(ListeMarquee* l, int i)
    {
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(i)).center());
    }

    std::unique_ptr<TPersoForm> f;
    Fenetres fenetres;
    PersonnageOuvert& o() const { return *fenetres.Ouvert; }
    // The dialogs, created at their first showing.
    TFormNWP* nwp() const { return &fenetres.FormNWP(); }
    TFormArmes* armes() const { return &fenetres.FormArmes(); }
    PlateformeScriptee* boites = nullptr;
};

}

TEST_F(CommandesChoix, CompetencesGardeLesMarquesEtRecoupeUnBudgetReduit)
{
    // Clerc-Voleur 3/4 with Intelligence 12: 8 points.
    personnage("Clerc-Voleur", {"3", "4"}, "12");
    o().MarqueSauve(o().Fichier());
    const QStringList choix = {"Astrologie", "Armurier", "Agriculture", "Acrobatie", "Cuisine"};   // 2, 2 + 1, 1, 1, 1
    avecDialogue([&] { QTest::mouseClick(f->ButtonNWP, Qt::LeftButton); }, [&](QWidget* d) {
        ASSERT_EQ(d, nwp());
        EXPECT_FALSE(o().Modifie());   // its changes count when it closes
        EXPECT_EQ(Controle<QLabel>(nwp(), "PanelReste")->text(), "Il reste 8 points");
        for (const QString& nom : choix)
            clique(Controle<ListeMarquee>(nwp(), "ListBoxNWP"), position(Controle<ListeMarquee>(nwp(), "ListBoxNWP"), nom));
        EXPECT_EQ(Controle<QLabel>(nwp(), "PanelReste")->text(), "Il reste 0 point");
        QTest::mouseClick(Controle<QPushButton>(nwp(), "ButtonRetour"), Qt::LeftButton);
    });
    EXPECT_FALSE(nwp()->isVisible());
    EXPECT_TRUE(boites->boites.empty());
    QList<qsizetype> marques;
    for (const QString& nom : choix)
        marques.append(position(Controle<ListeMarquee>(nwp(), "ListBoxNWP"), nom));
    std::sort(marques.begin(), marques.end());
    EXPECT_EQ(nwp()->Marques(), marques);
    EXPECT_EQ(o().Fiche().competences, marques);

    // Intelligence 9: 7 points. The opening unmarks the current entry, the
    // last one clicked, once.
    f->EditIntelligence->setText("9");
    avecDialogue([&] { QTest::mouseClick(f->SpeedButtonNWP, Qt::LeftButton); }, [&](QWidget* d) {
        ASSERT_EQ(d, nwp());
        EXPECT_EQ(Controle<QLabel>(nwp(), "PanelReste")->text(), "Il reste 0 point");
    });
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].texte, "Pas assez de points");
    marques.removeOne(position(Controle<ListeMarquee>(nwp(), "ListBoxNWP"), "Cuisine"));
    EXPECT_EQ(nwp()->Marques(), marques);
    EXPECT_EQ(o().Fiche().competences, marques);

    // The marks stay from one opening to the next.
    avecDialogue([&] { QTest::mouseClick(f->ButtonNWP, Qt::LeftButton); }, [&](QWidget*) {});
    EXPECT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(nwp()->Marques(), marques);

    // A failed check shows no dialog and leaves the sheet as it was.
    f->EditIntelligence->setText("");
    o().MarqueSauve(o().Fichier());
    avecDialogue([&] { QTest::mouseClick(f->ButtonNWP, Qt::LeftButton); }, [&](QWidget* d) { EXPECT_EQ(d, nullptr); });
    ASSERT_EQ(boites->boites.size(), 2u);
    EXPECT_EQ(boites->boites[1].texte, "Intelligence incorrecte ");
    EXPECT_FALSE(o().Modifie());
}

TEST_F(CommandesChoix, ArmesSelonLaClasseEtLesNiveaux)
{
    struct Cas { const char* classe; QStringList niveaux; const char* reste; bool specialiste; };
    const Cas cas[] = {
        {"Guerrier", {"1"}, "Il reste 4 points", true},
        {"Guerrier", {"3"}, "Il reste 5 points", true},
        {"Guerrier", {"6"}, "Il reste 6 points", true},
        {"Mage", {"6"}, "Il reste 2 points", false},
        {"Clerc-Voleur", {"3", "4"}, "Il reste 3 points", false},
        {"Clerc-Guerrier", {"5", "5"}, "Il reste 5 points", false},
        {"Guerrier-Mage", {"1", "1"}, "Il reste 4 points", false},
    };
    for (const Cas& c : cas) {
        personnage(c.classe, c.niveaux);
        o().MarqueSauve(o().Fichier());
        avecDialogue([&] { QTest::mouseClick(f->ButtonArmes, Qt::LeftButton); }, [&](QWidget* d) {
            ASSERT_EQ(d, armes()) << c.classe;
            EXPECT_FALSE(o().Modifie());
            EXPECT_EQ(Controle<QLabel>(armes(), "PanelReste")->text(), c.reste) << c.classe << " " << c.niveaux.join('/').toStdString();
            EXPECT_EQ(Controle<QCheckBox>(armes(), "CheckBoxSpecialiste")->isEnabled(), c.specialiste) << c.classe;
        });
    }
    EXPECT_TRUE(boites->boites.empty());
}

TEST_F(CommandesChoix, SpecialisationPourLeSeulGuerrier)
{
    // Each class opens the dialog right after a Guerrier, for whom the box
    // is enabled: it must be greyed again.
    struct Cas { const char* classe; QStringList niveaux; };
    const Cas cas[] = {
        {"Paladin", {"1"}},
        {"Ranger", {"1"}},
        {"Guerrier-Mage", {"1", "1"}},
        {"Guerrier-Voleur", {"1", "1"}},
        {"Druide-Guerrier", {"1", "1"}},
        {"Guerrier-Mage-Voleur", {"1", "1", "1"}},
        {"Voleur", {"1"}},
    };
    auto active = [&] {
        bool a = false;
        avecDialogue([&] { QTest::mouseClick(f->ButtonArmes, Qt::LeftButton); }, [&](QWidget* d) {
            ASSERT_EQ(d, armes());
            a = Controle<QCheckBox>(armes(), "CheckBoxSpecialiste")->isEnabled();
        });
        return a;
    };
    for (const Cas& c : cas) {
        personnage("Guerrier", {"1", "", ""});
        EXPECT_TRUE(active()) << "Guerrier avant " << c.classe;
        personnage(c.classe, c.niveaux);
        EXPECT_FALSE(active()) << c.classe;
    }
    EXPECT_TRUE(boites->boites.empty());
}

TEST_F(CommandesChoix, ArmesMontreUnDepassementSansRienDemarquer)
{
    personnage("Guerrier", {"6"});
    avecDialogue([&] { QTest::mouseClick(f->SpeedButtonArmes, Qt::LeftButton); }, [&](QWidget*) {
        Controle<QCheckBox>(armes(), "CheckBoxSpecialiste")->setChecked(true);
        // Each new mark asks; the last one becomes the specialisation (2 slots).
        boites->reponses = {Bouton::Non, Bouton::Non, Bouton::Non, Bouton::Non, Bouton::Oui};
        for (int i : {0, 1, 2, 3, 10})
            clique(Controle<ListeMarquee>(armes(), "ListBoxArmes"), i);
        EXPECT_EQ(Controle<QLabel>(armes(), "PanelReste")->text(), "Il reste 0 point");
    });
    ASSERT_EQ(boites->boites.size(), 5u);   // the five specialisation questions
    const QString specialisation = Controle<ListeMarquee>(armes(), "ListBoxArmes")->Texte(10);
    EXPECT_EQ(armes()->Specialisation(), specialisation);

    // A Mage 6 has 2 slots: the count goes below zero, nothing is unmarked,
    // the check box stays ticked but greyed.
    personnage("Mage", {"6"});
    avecDialogue([&] { QTest::mouseClick(f->ButtonArmes, Qt::LeftButton); }, [&](QWidget*) {
        EXPECT_EQ(Controle<QLabel>(armes(), "PanelReste")->text(), "Il reste -4 point");
        EXPECT_TRUE(Controle<QCheckBox>(armes(), "CheckBoxSpecialiste")->isChecked());
        EXPECT_FALSE(Controle<QCheckBox>(armes(), "CheckBoxSpecialiste")->isEnabled());
    });
    EXPECT_EQ(boites->boites.size(), 5u);
    EXPECT_EQ(armes()->Marques(), (QList<qsizetype>{0, 1, 2, 3, 10}));
    EXPECT_EQ(armes()->Specialisation(), specialisation);
    EXPECT_EQ(o().Fiche().armes, (QList<qsizetype>{0, 1, 2, 3, 10}));
    EXPECT_EQ(o().Fiche().specialisation, specialisation);
}

TEST_F(CommandesChoix, NouveauVideLesChoix)
{
    o().Change("test", [&](EtatPersonnage& e) { e.fiche.competences = {0, 5}; });
    o().Change("test", [&](EtatPersonnage& e) { e.fiche.armes = {2, 3}; });
    o().Change("test", [&](EtatPersonnage& e) { e.fiche.specialisation = o().Armes.at(3); });
    o().MarqueSauve(o().Fichier());
    f->Nouveau1Click();
    EXPECT_TRUE(o().Fiche().competences.isEmpty());
    EXPECT_TRUE(o().Fiche().armes.isEmpty());
    EXPECT_TRUE(o().Fiche().specialisation.isEmpty());
    EXPECT_TRUE(boites->boites.empty());
    // The dialogs show it at their next opening.
    personnage("Guerrier", {"1"});
    avecDialogue([&] { QTest::mouseClick(f->ButtonArmes, Qt::LeftButton); }, [&](QWidget*) {
        EXPECT_TRUE(armes()->Marques().isEmpty());
        EXPECT_TRUE(armes()->Specialisation().isEmpty());
    });
}
