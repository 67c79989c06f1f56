#include "Controles.h"
#include "UnitFormSpheres.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const char* const Boites[] = {"GroupBoxAnimale", "GroupBoxAstrale", "GroupBoxCharme", "GroupBoxClimat",
                              "GroupBoxCombat", "GroupBoxConjuration", "GroupBoxCreation", "GroupBoxDivination",
                              "GroupBoxElementaire", "GroupBoxGarde", "GroupBoxGenerale", "GroupBoxNecromantique",
                              "GroupBoxProtection", "GroupBoxSoins", "GroupBoxSoleil", "GroupBoxVegetale"};

class FenetreSpheres : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.show();
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    }

    QList<QRadioButton*> boutons(const char* boite) const
    {
        auto* b = f.findChild<QGroupBox*>(boite);
        return b ? b->findChildren<QRadioButton*>() : QList<QRadioButton*>{};
    }
    QRadioButton* bouton(const char* boite, const QString& texte) const
    {
        for (QRadioButton* r : boutons(boite))
            if (r->text() == texte)
                return r;
        ADD_FAILURE() << boite << " " << texte.toStdString();
        return nullptr;
    }
    // The caption of the checked button of each box, "" for none.
    QStringList coches() const
    {
        QStringList c;
        for (const char* boite : Boites) {
            QString texte;
            for (QRadioButton* r : boutons(boite))
                if (r->isChecked())
                    texte = r->text();
            c.append(texte);
        }
        return c;
    }

    TFormSpheres f;
};

const QString Majeur = "Accès Majeur";
const QString Mineur = "Accès mineur";
const QString Aucun = "Pas d'accès";

}

TEST_F(FenetreSpheres, SeizeGroupesDeTroisBoutonsSansChoixAuDepart)
{
    EXPECT_EQ(f.objectName(), "FormSpheres");
    EXPECT_EQ(f.windowTitle(), "Choix des sphères d'influence");
    const QStringList titres = {"Animale", "Astrale", "Charme", "Climat", "Combat", "Conjuration", "Création",
                                "Divination", "Elémentaire", "Garde", "Générale", "Nécromantique", "Protection",
                                "Soins", "Soleil", "Végétale"};
    for (int i = 0; i < 16; ++i) {
        auto* b = f.findChild<QGroupBox*>(Boites[i]);
        ASSERT_NE(b, nullptr) << Boites[i];
        EXPECT_EQ(b->title(), titres[i]);
        QStringList textes;
        for (QRadioButton* r : boutons(Boites[i]))
            textes.append(r->text());
        EXPECT_EQ(textes, (QStringList{Majeur, Mineur, Aucun}));
    }
    EXPECT_EQ(coches(), QStringList(16, ""));
    for (AccesSphere a : f.Choix())
        EXPECT_EQ(a, AccesSphere::Aucun);
    EXPECT_EQ(Controle<QPushButton>(f, "ButtonStandard")->text(), "&Standard");
    EXPECT_EQ(Controle<QPushButton>(f, "ButtonStandard")->toolTip(), "Sphères standard pour un clerc");
    EXPECT_EQ(Controle<QPushButton>(f, "ButtonRetour")->toolTip(), "Retour au personnage");
    EXPECT_FALSE(Controle<QLabel>(f, "Image1")->pixmap().isNull());
}

TEST_F(FenetreSpheres, StandardCocheLeChoixDUnClerc)
{
    bouton("GroupBoxAnimale", Majeur)->click();
    bouton("GroupBoxElementaire", Majeur)->click();
    QTest::mouseClick(Controle<QPushButton>(f, "ButtonStandard"), Qt::LeftButton);
    const QStringList attendu = {Aucun, Majeur, Majeur, Aucun, Majeur, Majeur, Majeur, Majeur,
                                 Mineur, Majeur, Majeur, Majeur, Majeur, Majeur, Majeur, Aucun};
    EXPECT_EQ(coches(), attendu);
    EXPECT_EQ(f.Choix(), ChoixStandard());

    // The keyboard reaches it too.
    f.DecocheTout();
    QTest::keyClick(&f, Qt::Key_S, Qt::AltModifier);
    // A mnemonic animates the click before it runs.
    for (int i = 0; i < 100 && coches() != attendu; ++i)
        QTest::qWait(10);
    EXPECT_EQ(coches(), attendu);
}

TEST_F(FenetreSpheres, ExclusifsDansLeurGroupeSeulement)
{
    QTest::mouseClick(bouton("GroupBoxAnimale", Majeur), Qt::LeftButton);
    QTest::mouseClick(bouton("GroupBoxAstrale", Mineur), Qt::LeftButton);
    QTest::mouseClick(bouton("GroupBoxAnimale", Aucun), Qt::LeftButton);
    QStringList attendu(16, "");
    attendu[0] = Aucun;
    attendu[1] = Mineur;
    EXPECT_EQ(coches(), attendu);
    EXPECT_EQ(f.Choix()[0], AccesSphere::PasDAcces);
    EXPECT_EQ(f.Choix()[1], AccesSphere::Mineur);

    // Keyboard: Space checks the button that has the focus, the arrows move
    // the check within the box.
    QRadioButton* climat = bouton("GroupBoxClimat", Majeur);
    climat->setFocus();
    QTest::keyClick(climat, Qt::Key_Space);
    EXPECT_TRUE(climat->isChecked());
    QTest::keyClick(climat, Qt::Key_Down);
    EXPECT_TRUE(bouton("GroupBoxClimat", Mineur)->isChecked());
    EXPECT_FALSE(climat->isChecked());
    EXPECT_EQ(coches()[1], Mineur);
}

TEST_F(FenetreSpheres, DecocheToutEtFixeChoix)
{
    f.ButtonStandardClick();
    f.DecocheTout();
    EXPECT_EQ(coches(), QStringList(16, ""));
    // The boxes are exclusive again afterwards.
    bouton("GroupBoxSoleil", Majeur)->click();
    bouton("GroupBoxSoleil", Mineur)->click();
    EXPECT_FALSE(bouton("GroupBoxSoleil", Majeur)->isChecked());

    ChoixSpheres choix = ChoixStandard();
    choix[0] = AccesSphere::Aucun;
    choix[1] = AccesSphere::Mineur;
    choix[2] = AccesSphere::PasDAcces;
    f.FixeChoix(choix);
    EXPECT_EQ(f.Choix(), choix);
    EXPECT_EQ(coches().mid(0, 3), (QStringList{"", Mineur, Aucun}));
}

// The dialog shown again for another character ("Nouveau"): choices of
// "Aucun" clear the boxes the previous character had checked, every one of
// the sixteen.
TEST_F(FenetreSpheres, FixeChoixAucunDecocheLesChoixPrecedents)
{
    f.FixeChoix(ChoixStandard());
    ASSERT_EQ(coches().count(""), 0);
    f.FixeChoix(ChoixSpheres{});
    for (AccesSphere a : f.Choix())
        EXPECT_EQ(a, AccesSphere::Aucun);
    EXPECT_EQ(coches(), QStringList(16, ""));
    for (QRadioButton* r : f.findChildren<QRadioButton*>())
        EXPECT_FALSE(r->isChecked()) << r->text().toStdString();
}

TEST_F(FenetreSpheres, OKFermeLaFenetreEtLesChoixRestent)
{
    f.hide();
    bool vue = false;
    QTimer::singleShot(0, [&] {
        vue = QApplication::activeModalWidget() == &f;
        QTest::mouseClick(bouton("GroupBoxCombat", Mineur), Qt::LeftButton);
        QTest::mouseClick(Controle<QPushButton>(f, "ButtonRetour"), Qt::LeftButton);
    });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_TRUE(vue);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.Choix()[4], AccesSphere::Mineur);
}
