#include "Controles.h"
#include "UnitFormTalentsVoleur.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const char* const NomsPanels[] = {"PanelPickpocket", "PanelSerrures", "PanelPieges", "PanelSilence",
                                  "PanelOmbre", "PanelBruits", "PanelGrimper", "PanelLangues"};

class FenetreTalentsVoleur : public ::testing::Test {
protected:
    QLabel* panel(int i) const { return f.findChild<QLabel*>(NomsPanels[i]); }
    UpDown* upDown(int i) const { return f.findChild<UpDown*>(QStringLiteral("UpDown%1").arg(i + 1)); }
    QString reste() const { return f.findChild<QLabel*>("PanelReste")->text(); }
    QStringList panneaux() const
    {
        QStringList t;
        for (int i = 0; i < 8; ++i)
            t.append(panel(i)->text());
        return t;
    }
    void clic(int i, bool haut, int fois = 1)
    {
        for (int k = 0; k < fois; ++k)
            QTest::mouseClick(haut ? upDown(i)->BoutonHaut : upDown(i)->BoutonBas, Qt::LeftButton);
    }
    // Shows the dialog modally; `pendant` runs while it is shown.
    void montre(const std::function<void()>& pendant)
    {
        bool vue = false;
        QTimer::singleShot(0, &f, [&] {
            vue = QApplication::activeModalWidget() == &f;
            pendant();
        });
        f.exec();
        EXPECT_TRUE(vue);
        EXPECT_FALSE(f.isVisible());
    }

    TFormTalentsVoleur f;
};

const ValeursTalentsVoleur Humain = {15, 10, 5, 10, 5, 15, 60, 0};

}

TEST_F(FenetreTalentsVoleur, HuitRangeesNommees)
{
    EXPECT_EQ(f.objectName(), "FormTalentsVoleur");
    EXPECT_EQ(f.windowTitle(), "Choix des talents de voleur");
    f.show();   // lays the controls out
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QStringList libelles = {"Pickpocket", "Crocheter des serrures", "Trouver/désamorcer des pièges",
                                  "Se déplacer silencieusement", "Se cacher dans l'ombre", "Détecter des bruits",
                                  "Grimper", "Lire des langues inconnues"};
    for (int i = 0; i < 8; ++i) {
        auto* label = f.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
        ASSERT_NE(label, nullptr) << i;
        EXPECT_EQ(label->text(), libelles[i]);
        ASSERT_NE(panel(i), nullptr) << NomsPanels[i];
        ASSERT_NE(upDown(i), nullptr) << i;
        EXPECT_EQ(upDown(i)->Min(), -100);
        EXPECT_EQ(upDown(i)->Max(), 127);
        // Each row reads label, panel, spinner, from left to right, the
        // spinner against the panel.
        const QPoint p = panel(i)->mapTo(&f, QPoint(0, 0));
        const QPoint u = upDown(i)->mapTo(&f, QPoint(0, 0));
        EXPECT_LT(label->mapTo(&f, QPoint(label->width(), 0)).x(), p.x());
        EXPECT_EQ(u.x(), p.x() + panel(i)->width());
        EXPECT_EQ(u.y(), p.y());
        if (i > 0) {
            EXPECT_GT(p.y(), panel(i - 1)->mapTo(&f, QPoint(0, 0)).y());
        }
    }
    EXPECT_EQ(Controle<QPushButton>(f, "ButtonRetour")->objectName(), "ButtonRetour");
    EXPECT_EQ(Controle<QPushButton>(f, "ButtonRetour")->text(), "OK");
    EXPECT_EQ(Controle<QPushButton>(f, "ButtonRetour")->toolTip(), "Retour au personnage");
    const QFont police = Controle<QLabel>(f, "PanelReste")->font();
    EXPECT_EQ(police.family(), "Arial");
    EXPECT_EQ(police.pixelSize(), 16);
    EXPECT_TRUE(police.bold());
    EXPECT_TRUE(police.italic());
    EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(FenetreTalentsVoleur, UnClicEstUnPourcentEtUnPoint)
{
    f.FixeValeurs(Humain, 60);
    EXPECT_EQ(panneaux(), (QStringList{"15%", "10%", "5%", "10%", "5%", "15%", "60%", "0%"}));
    EXPECT_EQ(reste(), "Il reste 60 points");

    montre([&] {
        clic(0, true, 5);
        EXPECT_EQ(panel(0)->text(), "20%");
        EXPECT_EQ(reste(), "Il reste 55 points");
        clic(7, false);
        EXPECT_EQ(panel(7)->text(), "-1%");
        EXPECT_EQ(reste(), "Il reste 56 points");
        // The keyboard steps the spinner that has the focus.
        upDown(6)->setFocus();
        QTest::keyClick(upDown(6), Qt::Key_Up);
        QTest::keyClick(upDown(6), Qt::Key_Up);
        QTest::keyClick(upDown(6), Qt::Key_Down);
        EXPECT_EQ(panel(6)->text(), "61%");
        EXPECT_EQ(reste(), "Il reste 55 points");
        // Nothing is stored before the dialog closes.
        EXPECT_EQ(f.Valeurs(), Humain);
        QTest::mouseClick(Controle<QPushButton>(f, "ButtonRetour"), Qt::LeftButton);
    });
    EXPECT_EQ(f.Valeurs(), (ValeursTalentsVoleur{20, 10, 5, 10, 5, 15, 61, -1}));
    EXPECT_EQ(f.PointsTalents(), 55);
}

TEST_F(FenetreTalentsVoleur, SingulierEtPointsDepasses)
{
    f.FixeValeurs(Humain, 3);
    clic(2, true);
    EXPECT_EQ(reste(), "Il reste 2 points");
    clic(2, true);
    EXPECT_EQ(reste(), "Il reste 1 point");
    clic(2, true);
    EXPECT_EQ(reste(), "Il reste 0 point");
    clic(2, true, 3);
    EXPECT_EQ(reste(), "Il reste -3 point");
    EXPECT_EQ(panel(2)->text(), "11%");
    // Below its base is allowed too.
    clic(4, false, 10);
    EXPECT_EQ(panel(4)->text(), "-5%");
    EXPECT_EQ(reste(), "Il reste 7 points");
}

TEST_F(FenetreTalentsVoleur, RienNeBougeAuxLimites)
{
    f.FixeValeurs({127, -100, 126, -99, 0, 0, 0, 0}, 10);
    clic(0, true);
    clic(1, false);
    EXPECT_EQ(panel(0)->text(), "127%");
    EXPECT_EQ(panel(1)->text(), "-100%");
    EXPECT_EQ(reste(), "Il reste 10 points");
    clic(2, true, 3);
    clic(3, false, 3);
    EXPECT_EQ(panel(2)->text(), "127%");
    EXPECT_EQ(panel(3)->text(), "-100%");
    EXPECT_EQ(reste(), "Il reste 10 points");   // one up, one down
    clic(0, false);
    clic(1, true);
    EXPECT_EQ(panel(0)->text(), "126%");
    EXPECT_EQ(panel(1)->text(), "-99%");
    f.done(QDialog::Accepted);
    EXPECT_EQ(f.Valeurs(), (ValeursTalentsVoleur{126, -99, 127, -100, 0, 0, 0, 0}));
}

TEST_F(FenetreTalentsVoleur, ValeurStockeeHorsLimitesMontreeTelleQuelle)
{
    const ValeursTalentsVoleur stockees = {150, -300, 40000, 15, 5, 15, 60, 0};
    f.FixeValeurs(stockees, -40000);
    montre([&] {
        EXPECT_EQ(panneaux(), (QStringList{"150%", "-300%", "40000%", "15%", "5%", "15%", "60%", "0%"}));
        EXPECT_EQ(reste(), "Il reste -40000 point");
        f.close();   // the close box
    });
    EXPECT_EQ(f.Valeurs(), stockees);

    // A step only moves towards the range, one percent at a time.
    montre([&] {
        clic(0, true);
        clic(1, false);
        EXPECT_EQ(panel(0)->text(), "150%");
        EXPECT_EQ(panel(1)->text(), "-300%");
        EXPECT_EQ(reste(), "Il reste -40000 point");
        clic(0, false);
        clic(1, true);
        EXPECT_EQ(panel(0)->text(), "149%");
        EXPECT_EQ(panel(1)->text(), "-299%");
        EXPECT_EQ(reste(), "Il reste -40000 point");
        QTest::keyClick(&f, Qt::Key_Escape);
    });
    EXPECT_EQ(f.Valeurs(), (ValeursTalentsVoleur{149, -299, 40000, 15, 5, 15, 60, 0}));
}
