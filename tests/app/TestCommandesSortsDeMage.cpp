#include "CatalogueSorts.h"
#include "Controles.h"
#include "Fenetres.h"
#include "PersonnageOuvert.h"
#include "UnitFormSortsDeMage.h"
#include "UnitPerso.h"

#include "Fichiers.h"
#include "PlateformeScriptee.h"
#include "Saisie.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

// "Sorts de &Mage" as the program entry wires it, on a small catalogue.
TEST(CommandesSortsDeMage, CatalogueDepuisLaFiche)
{
    DossierTemporaire dossier;
    ListeTexte({"Sommeil&1&5 rounds/niv.&30 m&Spéciale&V, S, M", "Bouclier&1&5 rounds/niv.&0&Spéciale&V, S",
                "Charme-personne&1&Spéciale&120 m&1 personne&V, S", "***", "***", "***", "***", "***", "***",
                "***", "***", "***"})
        .sauve(dossier.chemin("Mage.mag"));
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.racine());
    TPersoForm persoForm;
    const Fenetres fenetres = CreeFenetres(persoForm);
    QDir::setCurrent(avant);
    PersonnageOuvert& o = *fenetres.Ouvert;
    auto* boites = &PlateformeScriptee::remiseAZero();
    persoForm.show();
    QApplication::processEvents();
    choisit(persoForm.ComboClasse, "Mage");
    persoForm.EditNiveau1->setText("3");

    // Without Intelligence: the box, and nothing else.
    o.MarqueSauve(o.Fichier());
    persoForm.ButtonSortsDeMageClick();
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].texte, "Il faut d'abord l'intelligence");
    EXPECT_FALSE(o.Modifie());

    // With it: the catalogue, modal, the sheet marked; the spell chosen
    // there lands in the main window's lists, and its state follows the
    // Intelligence typed in the sheet.
    persoForm.EditIntelligence->setText("9");
    o.MarqueSauve(o.Fichier());
    bool modifie = false;
    avecDialogue([&] { QTest::mouseClick(persoForm.ButtonSortsDeMage, Qt::LeftButton); }, [&](QWidget* d) {
        TFormSortsDeMage* catalogue = &fenetres.FormSortsDeMage();
        ASSERT_EQ(d, catalogue);
        modifie = o.Modifie();
        Controle<QCheckBox>(catalogue, "CheckBoxPourcent")->setChecked(false);
        ListeSorts* l = Controle<ListeSorts>(catalogue, "ListBox1");
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(2)).center());
        catalogue->ButtonRetourClick();
    });
    EXPECT_FALSE(modifie);   // the spells chosen count when it closes
    EXPECT_TRUE(o.Modifie());
    EXPECT_FALSE(fenetres.FormSortsDeMage().isVisible());
    EXPECT_EQ(o.Catalogue.marques[0], QList<int>{2});
    EXPECT_EQ(o.Fiche().sortsDeMage[0], QStringList{"Sommeil&1"});
    EXPECT_EQ(EtatDuSort(o.Fiche().sortsDeMage[0], "Sommeil", persoForm.EditIntelligence->text()),
              EtatSort::Appris);

    // "&Nouveau" unmarks the catalogue.
    o.MarqueSauve(o.Fichier());
    persoForm.Nouveau1Click();
    EXPECT_EQ(o.Catalogue.marques[0], QList<int>{});
    EXPECT_EQ(o.Fiche().sortsDeMage[0], QStringList{});
    // The catalogue shows it at its next opening.
    persoForm.EditIntelligence->setText("9");
    avecDialogue([&] { persoForm.ButtonSortsDeMageClick(); }, [&](QWidget* d) {
        ASSERT_EQ(d, &fenetres.FormSortsDeMage());
        EXPECT_EQ(fenetres.FormSortsDeMage().Marques(1), QList<int>{});
        fenetres.FormSortsDeMage().ButtonRetourClick();
    });
}
