#include "Controles.h"
#include "UnitFormTalentsBarde.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class FenetreTalentsBarde : public ::testing::Test {
protected:
    QLabel* panel(int i) const { return f.findChild<QLabel*>(QStringLiteral("Panel%1").arg(i + 1)); }
    UpDown* upDown(int i) const { return f.findChild<UpDown*>(QStringLiteral("UpDown%1").arg(i + 1)); }
    QString reste() const { return f.findChild<QLabel*>("PanelReste")->text(); }
    QStringList panneaux() const
    {
        QStringList t;
        for (int i = 0; i < 4; ++i)
            t.append(panel(i)->text());
        return t;
    }
    void clic(int i, bool haut, int fois = 1)
    {
        for (int k = 0; k < fois; ++k)
            QTest::mouseClick(haut ? upDown(i)->BoutonHaut : upDown(i)->BoutonBas, Qt::LeftButton);
    }

    TFormTalentsBarde f;
};

}

TEST_F(FenetreTalentsBarde, DeuxRangeesDeDeuxTalentsNommes)
{
    EXPECT_EQ(f.objectName(), "FormTalentsBarde");
    EXPECT_EQ(f.windowTitle(), "Choix des talents de barde");
    f.show();   // lays the controls out
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QStringList libelles = {"Grimper", "Détecter des bruits", "Pickpocket", "Lire des langues inconnues"};
    for (int i = 0; i < 4; ++i) {
        auto* label = f.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
        ASSERT_NE(label, nullptr) << i;
        EXPECT_EQ(label->text(), libelles[i]);
        ASSERT_NE(panel(i), nullptr) << i;
        ASSERT_NE(upDown(i), nullptr) << i;
        EXPECT_EQ(upDown(i)->Min(), -100);
        EXPECT_EQ(upDown(i)->Max(), 127);
        EXPECT_EQ(upDown(i)->mapTo(&f, QPoint(0, 0)), panel(i)->mapTo(&f, QPoint(panel(i)->width(), 0)));
    }
    // Grimper and Détecter des bruits side by side, the two others below.
    auto pos = [&](int i) { return panel(i)->mapTo(&f, QPoint(0, 0)); };
    EXPECT_EQ(pos(0).y(), pos(1).y());
    EXPECT_LT(pos(0).x(), pos(1).x());
    EXPECT_EQ(pos(2).y(), pos(3).y());
    EXPECT_GT(pos(2).y(), pos(0).y());
    EXPECT_EQ(pos(2).x(), pos(0).x());
    EXPECT_EQ(Controle<QPushButton>(f, "ButtonRetour")->text(), "OK");
    EXPECT_EQ(Controle<QPushButton>(f, "ButtonRetour")->toolTip(), "Retour au personnage");
    EXPECT_TRUE(Controle<QLabel>(f, "PanelReste")->font().bold());
    EXPECT_TRUE(Controle<QLabel>(f, "PanelReste")->font().italic());
}

TEST_F(FenetreTalentsBarde, PointsToujoursAuPlurielEtLimites)
{
    f.FixeChoix({{50, 20, 10, 5}, 2});
    EXPECT_EQ(panneaux(), (QStringList{"50%", "20%", "10%", "5%"}));
    EXPECT_EQ(reste(), "Il reste 2 points");
    clic(2, true);
    EXPECT_EQ(panel(2)->text(), "11%");
    EXPECT_EQ(reste(), "Il reste 1 points");
    clic(3, true, 3);
    EXPECT_EQ(reste(), "Il reste -2 points");
    clic(0, false, 60);
    EXPECT_EQ(panel(0)->text(), "-10%");
    EXPECT_EQ(reste(), "Il reste 58 points");

    f.FixeChoix({{127, -100, 0, 0}, 20});
    clic(0, true);
    clic(1, false);
    EXPECT_EQ(panneaux(), (QStringList{"127%", "-100%", "0%", "0%"}));
    EXPECT_EQ(reste(), "Il reste 20 points");
}

TEST_F(FenetreTalentsBarde, LaFermetureGardeLesPositions)
{
    f.FixeChoix({{50, 20, 10, 5}, 20});
    bool vue = false;
    QTimer::singleShot(0, &f, [&] {
        vue = QApplication::activeModalWidget() == &f;
        clic(1, true, 4);
        // Stored when the dialog closes, not before.
        EXPECT_EQ(f.Choix().TalentsBarde, (ValeursTalentsBarde{50, 20, 10, 5}));
        QTest::mouseClick(Controle<QPushButton>(f, "ButtonRetour"), Qt::LeftButton);
    });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_TRUE(vue);
    EXPECT_EQ(f.Choix(), (ChoixTalentsBarde{{50, 24, 10, 5}, 16}));
}
