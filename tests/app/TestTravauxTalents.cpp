#include "Controles.h"
#include "Fenetres.h"
#include "PersonnageOuvert.h"
#include "Saisie.h"
#include "TravauxTalents.h"
#include "UnitFormTalentsBarde.h"
#include "UnitFormTalentsVoleur.h"
#include "UnitPerso.h"

#include "PlateformeScriptee.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The main window with the two skill dialogs attached to its commands.
class CommandesTalents : public ::testing::Test {
protected:
    void SetUp() override
    {
        f = std::make_unique<TPersoForm>();
        fenetres = CreeFenetres(*f);
        // The files the choice lists read at start are not all here.
        boites = &PlateformeScriptee::remiseAZero();
        f->show();
        f->activateWindow();
        QApplication::processEvents();
    }

    void perso(const QString& race, const QString& classe, const QString& niveau, const QString& dexterite)
    {
        choisit(f->ComboRace, race);
        choisit(f->ComboClasse, classe);
        f->EditNiveau1->setText(niveau);
        f->EditDexterite->setText(dexterite);
    }


    static QStringList panneaux(QWidget* d, const QStringList& noms)
    {
        QStringList t;
        for (const QString& n : noms)
            t.append(d->findChild<QLabel*>(n)->text());
        t.append(d->findChild<QLabel*>("PanelReste")->text());
        return t;
    }
    static void clic(QWidget* d, const QString& upDown, bool haut, int fois = 1)
    {
        auto* u = d->findChild<UpDown*>(upDown);
        for (int k = 0; k < fois; ++k)
            QTest::mouseClick(haut ? u->BoutonHaut : u->BoutonBas, Qt::LeftButton);
    }

    std::unique_ptr<TPersoForm> f;
    Fenetres fenetres;
    PersonnageOuvert& o() const { return *fenetres.Ouvert; }
    // The dialogs, created at their first showing.
    TFormTalentsVoleur* voleur() const { return &fenetres.FormTalentsVoleur(); }
    TFormTalentsBarde* barde() const { return &fenetres.FormTalentsBarde(); }
    PlateformeScriptee* boites = nullptr;
};

const QStringList PanelsVoleur = {"PanelPickpocket", "PanelSerrures", "PanelPieges", "PanelSilence",
                                  "PanelOmbre", "PanelBruits", "PanelGrimper", "PanelLangues"};
const QStringList PanelsBarde = {"Panel1", "Panel2", "Panel3", "Panel4"};

}

TEST_F(CommandesTalents, VoleurPartDesBasesPuisGardeSesValeurs)
{
    perso("Humain", "Voleur", "1", "16");
    ASSERT_TRUE(f->ButtonTalentsDeVoleur->isEnabled());
    o().Change("test", [](EtatPersonnage& e) { e.fiche.talentsVoleur.fill(99); });   // rebuilt from the bases: the flag is set at start
    o().MarqueSauve(o().Fichier());
    bool modifie = false;
    QStringList vu;
    avecDialogue([&] { QTest::mouseClick(f->ButtonTalentsDeVoleur, Qt::LeftButton); }, [&](QWidget* d) {
        ASSERT_EQ(d, voleur());
        modifie = o().Modifie();
        vu = panneaux(d, PanelsVoleur);
        clic(d, "UpDown1", true, 5);
        QTest::mouseClick(Controle<QPushButton>(voleur(), "ButtonRetour"), Qt::LeftButton);
    });
    EXPECT_TRUE(boites->boites.empty());
    EXPECT_FALSE(modifie);   // its changes count when it closes
    EXPECT_TRUE(o().Modifie());
    EXPECT_EQ(o().Historique().undoText(), "les talents de voleur");
    EXPECT_EQ(vu, (QStringList{"15%", "15%", "5%", "10%", "5%", "15%", "60%", "0%", "Il reste 60 points"}));
    EXPECT_EQ(o().Fiche().talentsVoleur, (std::array<int, 8>{20, 15, 5, 10, 5, 15, 60, 0}));
    EXPECT_FALSE(o().TalentsVoleurDeBase());

    // Dextérité 16 -> 17: the stored values stay, the bases of skills 1, 2,
    // 4 and 5 rise by 5, and so the points left by 20.
    f->EditDexterite->setText("17");
    avecDialogue([&] { QTest::mouseClick(f->SpeedButtonTalentsVoleur, Qt::LeftButton); }, [&](QWidget* d) {
        ASSERT_EQ(d, voleur());
        vu = panneaux(d, PanelsVoleur);
    });
    EXPECT_EQ(vu, (QStringList{"20%", "15%", "5%", "10%", "5%", "15%", "60%", "0%", "Il reste 75 points"}));
    EXPECT_EQ(o().Fiche().talentsVoleur, (std::array<int, 8>{20, 15, 5, 10, 5, 15, 60, 0}));

    // At level 3 of a multi-class, 60 more points.
    choisit(f->ComboClasse, "Mage-Voleur");
    f->EditNiveau1->setText("4");
    f->EditNiveau2->setText("3");
    avecDialogue([&] { f->ButtonTalentsDeVoleurClick(); }, [&](QWidget* d) {
        ASSERT_EQ(d, voleur());
        vu = panneaux(d, PanelsVoleur);
    });
    EXPECT_EQ(vu.last(), "Il reste 135 points");

    // "Nouveau" sets the flag again: the next opening starts from the bases.
    boites->reponses.push_back(Bouton::Non);
    f->Nouveau1Click();
    EXPECT_TRUE(o().TalentsVoleurDeBase());
    perso("Nain", "Voleur", "1", "9");
    avecDialogue([&] { f->ButtonTalentsDeVoleurClick(); }, [&](QWidget* d) {
        ASSERT_EQ(d, voleur());
        vu = panneaux(d, PanelsVoleur);
    });
    EXPECT_EQ(vu, (QStringList{"0%", "10%", "10%", "-10%", "0%", "15%", "50%", "-5%", "Il reste 60 points"}));
    EXPECT_EQ(o().Fiche().talentsVoleur, (std::array<int, 8>{0, 10, 10, -10, 0, 15, 50, -5}));
}

TEST_F(CommandesTalents, VoleurOuvertEtFermeSansClicNeChangeRien)
{
    perso("Hobbit", "Voleur", "2", "18");
    // As a character file may have left them: beyond the spinners' range.
    const std::array<int, 8> stockees = {150, -300, 15, 30, 25, 20, 45, 32767};
    o().Change("test", [&](EtatPersonnage& e) { e.fiche.talentsVoleur = stockees; });
    o().Change("test", [&](EtatPersonnage& e) { e.talentsVoleurDeBase = false; });
    QStringList vu;
    avecDialogue([&] { f->ButtonTalentsDeVoleurClick(); }, [&](QWidget* d) {
        ASSERT_EQ(d, voleur());
        vu = panneaux(d, PanelsVoleur);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    // Bases 30, 30, 15, 30, 25, 20, 45, -5: 90 - (120 - 330 + 32772) points.
    EXPECT_EQ(vu, (QStringList{"150%", "-300%", "15%", "30%", "25%", "20%", "45%", "32767%", "Il reste -32472 point"}));
    EXPECT_EQ(o().Fiche().talentsVoleur, stockees);
}

TEST_F(CommandesTalents, VoleurGardeSesValeursFermeParEchapOuParLaCaseDeFermeture)
{
    perso("Humain", "Voleur", "1", "16");
    const std::pair<const char*, std::function<void(QWidget*)>> fermetures[] = {
        {"Échap", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }},
        {"case de fermeture", [](QWidget* d) { d->close(); }},
    };
    for (const auto& [comment, ferme] : fermetures) {
        o().Change("test", [&](EtatPersonnage& e) { e.fiche.talentsVoleur = {10, 20, 30, 40, 50, 60, 70, 80}; });
        o().Change("test", [&](EtatPersonnage& e) { e.talentsVoleurDeBase = false; });
        bool fermee = false;
        avecDialogue([&] { QTest::mouseClick(f->ButtonTalentsDeVoleur, Qt::LeftButton); }, [&](QWidget* d) {
            ASSERT_EQ(d, voleur());
            clic(d, "UpDown1", true, 3);
            clic(d, "UpDown8", false, 2);
            ferme(d);
            fermee = !d->isVisible();
        });
        EXPECT_TRUE(fermee) << comment;
        EXPECT_EQ(o().Fiche().talentsVoleur, (std::array<int, 8>{13, 20, 30, 40, 50, 60, 70, 78})) << comment;
    }
    EXPECT_TRUE(boites->boites.empty());
}

TEST_F(CommandesTalents, LesVerificationsArretentLesDeuxCommandes)
{
    choisit(f->ComboClasse, "Voleur");
    f->EditNiveau1->setText("21");
    o().Change("test", [](EtatPersonnage& e) { e.fiche.talentsVoleur.fill(7); });
    o().MarqueSauve(o().Fichier());
    for (auto commande : {&TPersoForm::ButtonTalentsDeVoleurClick, &TPersoForm::ButtonBardeClick})
        avecDialogue([&] { (f.get()->*commande)(); }, [&](QWidget* d) { EXPECT_EQ(d, nullptr); });
    ASSERT_EQ(boites->boites.size(), 2u);
    for (const auto& b : boites->boites) {
        EXPECT_EQ(b.genre, GenreBoite::Erreur);
        EXPECT_EQ(b.texte, "Dextérité incorrecte Race incorrecte Niveau incorrect (doit être entre 1 et 20) ");
        EXPECT_EQ(b.boutons, std::vector<Bouton>{Bouton::Oui});
    }
    EXPECT_FALSE(o().Modifie());
    EXPECT_TRUE(o().TalentsVoleurDeBase());
    EXPECT_EQ(o().Fiche().talentsVoleur, (std::array<int, 8>{7, 7, 7, 7, 7, 7, 7, 7}));
}

TEST_F(CommandesTalents, BardeRecommenceAChaqueOuverture)
{
    perso("Hobbit", "Barde", "4", "19");
    ASSERT_TRUE(f->ButtonBarde->isEnabled());
    o().MarqueSauve(o().Fichier());
    bool modifie = false;
    QStringList vu, apres;
    avecDialogue([&] { QTest::mouseClick(f->ButtonBarde, Qt::LeftButton); }, [&](QWidget* d) {
        ASSERT_EQ(d, barde());
        modifie = o().Modifie();
        vu = panneaux(d, PanelsBarde);
        clic(d, "UpDown1", true, 10);
        clic(d, "UpDown4", false);
        apres = panneaux(d, PanelsBarde);
        QTest::mouseClick(Controle<QPushButton>(barde(), "ButtonRetour"), Qt::LeftButton);
    });
    // The bard skills are not kept: the character did not change.
    EXPECT_FALSE(modifie);
    EXPECT_FALSE(o().Modifie());
    EXPECT_EQ(vu, (QStringList{"35%", "25%", "30%", "0%", "Il reste 65 points"}));
    EXPECT_EQ(apres, (QStringList{"45%", "25%", "30%", "-1%", "Il reste 56 points"}));
    EXPECT_EQ(barde()->Choix(), (ChoixTalentsBarde{{45, 25, 30, -1}, 56}));

    avecDialogue([&] { QTest::mouseClick(f->SpeedButtonTalentsDeBarde, Qt::LeftButton); }, [&](QWidget* d) {
        ASSERT_EQ(d, barde());
        vu = panneaux(d, PanelsBarde);
    });
    EXPECT_EQ(vu, (QStringList{"35%", "25%", "30%", "0%", "Il reste 65 points"}));
    // The thief skills are none of its business.
    EXPECT_TRUE(o().TalentsVoleurDeBase());
}
