#include "UnitFormTirage.h"

#include "Fichiers.h"
#include "Perso.h"
#include "PlateformeScriptee.h"
#include "Saisie.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Dice from a queue, then ones.
struct DesEnFile {
    std::deque<int> file;
    QList<int> faces;
    int operator()(int n)
    {
        faces.append(n);
        if (file.empty())
            return 1;
        const int d = file.front();
        file.pop_front();
        return d;
    }
};

class FenetreTirage : public ::testing::Test {
protected:
    void SetUp() override { PlateformeScriptee::remiseAZero(); }

    TFormTirage* cree(const QString& fichier)
    {
        f = std::make_unique<TFormTirage>(fichier, [this](int n) { return des(n); });
        return f.get();
    }
    template <typename T>
    T* controle(const char* nom) const
    {
        T* c = f->findChild<T*>(nom);
        EXPECT_NE(c, nullptr) << nom;
        return c;
    }
    QString texte(const char* label) const { return controle<QLabel>(label)->text(); }
    QStringList articles(const char* combo) const
    {
        QStringList a;
        auto* b = controle<QComboBox>(combo);
        for (int i = 0; i < b->count(); ++i)
            a.append(b->itemText(i));
        return a;
    }
    // The mnemonic, then keys on the control it reaches.
    void auClavier(Qt::Key mnemonique, std::initializer_list<Qt::Key> touches) const
    {
        QTest::keyClick(f.get(), mnemonique, Qt::AltModifier);
        for (Qt::Key t : touches)
            QTest::keyClick(QApplication::focusWidget(), t);
    }
    // A button's mnemonic animates its click before the click runs.
    void attendFermeture() const
    {
        for (int i = 0; i < 100 && f->isVisible(); ++i)
            QTest::qWait(10);
    }

    DesEnFile des;
    std::unique_ptr<TFormTirage> f;
    Personnage actuel = [] {
        Personnage p = perso("Mage", {"1"});
        p.race = "Humain";
        return p;
    }();
};

}

// Method V arranged by keyboard alone, then a dwarf fighter-thief: the
// roll gives back the adjusted scores and the exceptional strength.
TEST_F(FenetreTirage, MethodeVAuClavierNainGuerrierVoleur)
{
    cree(QDir(DossierDonnees()).filePath("Exigences.dat"));
    std::optional<Tirage> t;
    avecDialogue([&] { t = f->Tire(actuel); }, [&](QWidget* d) {
        ASSERT_EQ(d, f.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        EXPECT_EQ(f->windowTitle(), "Tirage des caractéristiques");
        auto* methode = controle<QComboBox>("ComboMethode");
        EXPECT_EQ(QApplication::focusWidget(), methode);
        // Each method picked rolls: II, III and IV from ones, V from these.
        QTest::keyClick(methode, Qt::Key_Down);
        QTest::keyClick(methode, Qt::Key_Down);
        QTest::keyClick(methode, Qt::Key_Down);
        des.file = {2, 2, 2, 1,  6, 6, 1, 6,  4, 5, 1, 4,  4, 4, 4, 1,  3, 1, 4, 4,  6, 4, 5, 1,
                    3, 4, 5,  100};
        QTest::keyClick(methode, Qt::Key_Down);
        EXPECT_EQ(methode->currentText(), "Méthode V : 4d6 sans le plus faible, six fois, à répartir");
        EXPECT_EQ(texte("LabelJets"), "Jets : 2 2 2 (1) = 6   6 6 (1) 6 = 18   4 5 (1) 4 = 13   4 4 4 (1) = 12"
                                      "   3 (1) 4 4 = 11   6 4 5 (1) = 15");
        EXPECT_EQ(texte("LabelTireBeaute"), "12");
        EXPECT_FALSE(controle<QPushButton>("ButtonAppliquer")->isEnabled());
        EXPECT_EQ(articles("ComboForce"), (QStringList{"—", "18", "15", "13", "12", "11", "6"}));

        // A value taken back is free again.
        auClavier(Qt::Key_F, {Qt::Key_Down, Qt::Key_Down});
        EXPECT_EQ(controle<QComboBox>("ComboForce")->currentText(), "15");
        EXPECT_EQ(articles("ComboDexterite"), (QStringList{"—", "18", "13", "12", "11", "6"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        // Each ability takes the best value still free.
        for (Qt::Key k : {Qt::Key_D, Qt::Key_O, Qt::Key_I, Qt::Key_S, Qt::Key_H})
            auClavier(k, {Qt::Key_Down});
        EXPECT_EQ(articles("ComboCharisme"), (QStringList{"—", "6"}));
        EXPECT_EQ(articles("ComboConstitution"), (QStringList{"—", "13"}));
        // The races the rolled scores allow (the elf needs 8 in Charisme);
        // the sheet's race proposed, the sheet's class not allowed to it.
        EXPECT_EQ(articles("ComboRaceTirage"), (QStringList{"—", "Humain", "Demi-Elfe", "Hobbit", "Nain", "Gnome"}));
        EXPECT_EQ(controle<QComboBox>("ComboRaceTirage")->currentText(), "Humain");
        EXPECT_EQ(controle<QComboBox>("ComboClasseTirage")->currentText(), "Mage");

        auClavier(Qt::Key_R, {Qt::Key_N});
        EXPECT_EQ(controle<QComboBox>("ComboRaceTirage")->currentText(), "Nain");
        EXPECT_EQ(articles("ComboClasseTirage"),
                  (QStringList{"—", "Clerc", "Guerrier", "Voleur", "Clerc-Guerrier", "Guerrier-Voleur"}));
        EXPECT_EQ(texte("LabelAjusteForce"), "18");   // no fighter yet: the sheet's Mage stays
        auClavier(Qt::Key_L, {Qt::Key_End});
        EXPECT_EQ(controle<QComboBox>("ComboClasseTirage")->currentText(), "Guerrier-Voleur");
        EXPECT_EQ(texte("LabelTireConstitution"), "13");
        EXPECT_EQ(texte("LabelAjusteConstitution"), "14");
        EXPECT_EQ(texte("LabelAjusteCharisme"), "5");
        EXPECT_EQ(texte("LabelAjusteForce"), "18/00");

        QTest::keyClick(f.get(), Qt::Key_A, Qt::AltModifier);
        attendFermeture();
    });
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(*t, (Tirage{"18", "15", "14", "12", "11", "5", "12", "100", QString("Nain"), QString("Guerrier-Voleur")}));
    EXPECT_EQ(des.faces.count(100), 1);
    EXPECT_TRUE(PlateformeScriptee::courante().boites.empty());
}

// Method VI: each die goes, whole, to an ability it does not push past 18.
TEST_F(FenetreTirage, MethodeVIRefuseUnDeQuiDepasse18)
{
    cree(QDir(DossierDonnees()).filePath("Exigences.dat"));
    std::optional<Tirage> t;
    avecDialogue([&] { t = f->Tire(actuel); }, [&](QWidget* d) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        auto* methode = controle<QComboBox>("ComboMethode");
        des.file = {6, 5, 4, 3, 2, 1, 6, 4, 4, 4};
        choisit(methode, NomsDesMethodes()[5]);
        EXPECT_EQ(texte("LabelDe2"), "Dé &2 : 5");
        auClavier(Qt::Key_1, {Qt::Key_Down});   // 6 to Force
        EXPECT_EQ(texte("LabelJetForce"), "8 + 6");
        EXPECT_EQ(articles("ComboDe2"),
                  (QStringList{"—", "Dextérité", "Constitution", "Intelligence", "Sagesse", "Charisme"}));
        EXPECT_EQ(articles("ComboDe3").value(1), "Force");   // 14 + 4
        const Qt::Key des[] = {Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7};
        for (Qt::Key k : des)
            auClavier(k, {Qt::Key_End});   // the last ability each may take: Charisme
        EXPECT_EQ(texte("LabelJetCharisme"), "8 + 5 + 4 + 1");
        EXPECT_EQ(texte("LabelTireCharisme"), "18");
        // The dice that would pass 18 there go to the last ability left:
        // Sagesse, then Intelligence for the 6 that Sagesse refuses too.
        EXPECT_EQ(texte("LabelJetSagesse"), "8 + 3 + 2");
        EXPECT_EQ(texte("LabelJetIntelligence"), "8 + 6");
        QTest::keyClick(f.get(), Qt::Key_A, Qt::AltModifier);
        attendFermeture();
    });
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(*t, (Tirage{"14", "8", "8", "14", "13", "18", "12", "", QString("Humain"), QString("Mage")}));
}

// A file that cannot be read is told once, in the error box; the dialog
// rolls all the same, with no race nor class, and leaves them to the sheet.
// The method picked stays for the next showing.
TEST_F(FenetreTirage, SansFichierIlTireQuandMeme)
{
    DossierTemporaire dossier;
    const QString absent = dossier.chemin("Exigences.dat");
    cree(absent);
    std::optional<Tirage> t;
    avecDialogue([&] { t = f->Tire(actuel); }, [&](QWidget*) {
        EXPECT_FALSE(controle<QComboBox>("ComboRaceTirage")->isEnabled());
        EXPECT_FALSE(controle<QComboBox>("ComboClasseTirage")->isEnabled());
        EXPECT_EQ(texte("LabelJetForce"), "1 1 1 = 3");
        choisit(controle<QComboBox>("ComboMethode"), NomsDesMethodes()[2]);
        controle<QPushButton>("ButtonAppliquer")->click();
    });
    ASSERT_EQ(PlateformeScriptee::courante().boites.size(), 1u);
    EXPECT_EQ(PlateformeScriptee::courante().boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(PlateformeScriptee::courante().boites[0].texte, "Ne peut ouvrir le fichier " + absent);
    EXPECT_FALSE(t.has_value());   // III: nothing given yet, Appliquer does nothing

    avecDialogue([&] { t = f->Tire(actuel); }, [&](QWidget*) {
        EXPECT_EQ(controle<QComboBox>("ComboMethode")->currentIndex(), 2);
        choisit(controle<QComboBox>("ComboMethode"), NomsDesMethodes()[0]);
        EXPECT_EQ(texte("LabelJetForce"), "1 1 1 = 3");
        des.file = std::deque<int>(21, 2);
        controle<QPushButton>("ButtonTirer")->click();   // again, with the same method
        EXPECT_EQ(texte("LabelJetForce"), "2 2 2 = 6");
        controle<QPushButton>("ButtonAppliquer")->click();
    });
    EXPECT_EQ(PlateformeScriptee::courante().boites.size(), 1u);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(*t, (Tirage{"6", "6", "6", "6", "6", "6", "6", "", std::nullopt, std::nullopt}));

    avecDialogue([&] { t = f->Tire(actuel); }, [&](QWidget*) { controle<QPushButton>("ButtonAnnuler")->click(); });
    EXPECT_FALSE(t.has_value());
}
