#include "Niveaux.h"
#include "PlateformeScriptee.h"
#include "Saisie.h"
#include "UnitPerso.h"
#include "Verifications.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class FenetrePrincipale : public ::testing::Test {
protected:
    void SetUp() override
    {
        boites = &PlateformeScriptee::remiseAZero();
        f = std::make_unique<TPersoForm>();
        // What the open character hears of the window: the user's steps.
        QObject::connect(f.get(), &TPersoForm::Etape, [this](const QString& nom, int) {
            modifie = true;
            etapes.append(nom);
        });
        f->show();
        f->activateWindow();
        QApplication::processEvents();
    }

    void classe(const QString& c, const QStringList& niveaux) { choisitClasse(*f, c, niveaux); }

    std::unique_ptr<TPersoForm> f;
    bool modifie = false;
    QStringList etapes;
    PlateformeScriptee* boites = nullptr;
};

}

TEST_F(FenetrePrincipale, EtatDeDepart)
{
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Caractéristiques du personnage[*]"));
    EXPECT_FALSE(f->isWindowModified());
    EXPECT_EQ(f->EditLangues->text(), "Commun");
    EXPECT_FALSE(modifie);
    EXPECT_EQ(f->ComboClasse->count(), 24);
    EXPECT_EQ(f->ComboClasse->currentText(), "");
    EXPECT_EQ(f->ComboAlignement->count(), 9);
    // No class: one enabled level field with an empty caption at the start of the row.
    EXPECT_TRUE(f->EditNiveau1->isVisible());
    EXPECT_TRUE(f->EditNiveau1->isEnabled());
    EXPECT_EQ(f->LabelNiveau1->text(), "");
    EXPECT_EQ(f->LabelNiveau1->x(), 64);
    EXPECT_FALSE(f->EditNiveau2->isVisible());
    EXPECT_FALSE(f->EditNiveau3->isVisible());
    for (QWidget* w : std::initializer_list<QWidget*>{f->ButtonTalentsDeVoleur, f->ButtonBarde, f->ButtonSortsDeMage,
                                                      f->ButtonSortsDeClerc, f->ButtonPV, f->EditXtra})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(f->ButtonNWP->isEnabled());
    EXPECT_TRUE(f->SpeedButtonNotes->isEnabled());
}

TEST_F(FenetrePrincipale, ControlesNommesEtCommandes)
{
    const char* noms[] = {"EditNom", "ComboRace", "ComboSexe", "EditAge", "EditTaille", "EditPoids",
                          "ComboAlignement", "EditPV", "ButtonPV", "ComboClasse", "PanelNiveau",
                          "LabelNiveau1", "EditNiveau3", "EditLangues", "EditForce", "LabelXtra", "EditXtra",
                          "EditIntelligence", "EditSagesse", "EditDexterite", "EditConstitution",
                          "EditCharisme", "EditBeaute", "ButtonNWP", "ButtonBarde"};
    for (const char* nom : noms)
        EXPECT_NE(f->findChild<QWidget*>(nom), nullptr) << nom;
    EXPECT_EQ(f->findChildren<QToolButton*>(QRegularExpression("^SpeedButton")).size(), 17);
    EXPECT_EQ(f->SpeedButtonExporterPDF->toolTip(), QStringLiteral("Exporter la fiche en PDF"));
    EXPECT_EQ(f->ExporterPDF1->text(), QStringLiteral("&Exporter en PDF..."));
    EXPECT_EQ(f->ExporterPDF1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(f->SpeedButtonSortsDeClerc->toolTip(), QStringLiteral("Sphères d'influence du prêtre"));
    EXPECT_EQ(f->Ouvrir1->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(f->Sauver1->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(f->Aperuavantimpression1->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_EQ(f->Quitter1->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_EQ(f->Imprimer1->text(), "&Imprimer");
    EXPECT_EQ(f->Imprimer1->menu(), nullptr);
}

TEST_F(FenetrePrincipale, PanneauDesNiveauxSuitLaClasse)
{
    classe("Guerrier-Mage-Voleur", {"4", "3", "3"});
    EXPECT_EQ(f->LabelNiveau1->text(), "Guerrier");
    EXPECT_EQ(f->LabelNiveau3->text(), "Voleur");
    EXPECT_TRUE(f->EditNiveau3->isVisible());
    EXPECT_EQ(f->EditNiveau1->x(), 64 + f->LabelNiveau1->width() + 5);
    EXPECT_EQ(f->LabelNiveau2->x(), 64 + f->LabelNiveau1->width() + 33 + 25);

    choisit(f->ComboClasse, "Guerrier-Mage");
    EXPECT_EQ(f->EditNiveau1->text(), "4");
    EXPECT_EQ(f->EditNiveau2->text(), "3");
    EXPECT_EQ(f->EditNiveau3->text(), "");
    EXPECT_FALSE(f->EditNiveau3->isVisible());
    EXPECT_FALSE(f->LabelNiveau3->isEnabled());

    choisit(f->ComboClasse, "Clerc-Voleur");
    EXPECT_EQ(f->LabelNiveau1->text(), "Clerc");
    EXPECT_EQ(f->EditNiveau1->text(), "4");
    EXPECT_EQ(f->EditNiveau2->text(), "3");
    EXPECT_TRUE(f->ButtonTalentsDeVoleur->isEnabled());
    EXPECT_TRUE(f->SpeedButtonTalentsVoleur->isEnabled());
}

TEST_F(FenetrePrincipale, ExtraSeulementPourUnCombattantAvecDixHuit)
{
    classe("Guerrier-Mage", {"3", "3"});
    f->EditForce->setText("18");
    EXPECT_TRUE(f->EditXtra->isEnabled());
    EXPECT_TRUE(f->LabelXtra->isEnabled());
    f->EditXtra->setText("75");
    modifie = false;
    etapes.clear();
    choisit(f->ComboClasse, "Mage-Voleur");
    EXPECT_FALSE(f->EditXtra->isEnabled());
    EXPECT_EQ(f->EditXtra->text(), "");
    EXPECT_TRUE(modifie);
    // The pick and what the refresh empties because of it: one step.
    EXPECT_EQ(etapes, QStringList{"le choix de Classe"});
    // The disabled caption is greyed like the others, not black.
    const QPalette& couleurs = f->LabelXtra->palette();
    EXPECT_EQ(couleurs.color(QPalette::Active, QPalette::WindowText), QColor(Qt::black));
    EXPECT_NE(couleurs.color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::black));

    choisit(f->ComboClasse, "Ranger");
    f->EditForce->setText("018");
    EXPECT_FALSE(f->EditXtra->isEnabled());
}

TEST_F(FenetrePrincipale, BoutonsDesDialoguesSuiventClasseEtNiveaux)
{
    struct Cas { const char* classe; QStringList niveaux; bool voleur, barde, mage, clerc; };
    const Cas cas[] = {
        {"Barde", {"1"}, false, true, false, false},
        {"Barde", {"2"}, false, true, true, false},
        {"Paladin", {"8"}, false, false, false, false},
        {"Paladin", {"9"}, false, false, false, true},
        {"Ranger", {"7"}, false, false, false, false},
        {"Ranger", {"8"}, false, false, false, true},
        {"Clerc-Ranger", {"1", "1"}, false, false, false, true},
        {"Voleur-Illusioniste", {"1", "1"}, true, false, true, false},
        {"Druide-Guerrier-Mage", {"", "", ""}, false, false, true, true},
        {"Guerrier", {"20"}, false, false, false, false},
    };
    for (const Cas& c : cas) {
        classe(c.classe, c.niveaux);
        SCOPED_TRACE(c.classe + (" " + c.niveaux.join('/').toStdString()));
        EXPECT_EQ(f->ButtonTalentsDeVoleur->isEnabled(), c.voleur);
        EXPECT_EQ(f->SpeedButtonTalentsVoleur->isEnabled(), c.voleur);
        EXPECT_EQ(f->ButtonBarde->isEnabled(), c.barde);
        EXPECT_EQ(f->SpeedButtonTalentsDeBarde->isEnabled(), c.barde);
        EXPECT_EQ(f->ButtonSortsDeMage->isEnabled(), c.mage);
        EXPECT_EQ(f->SpeedButtonSortsDeMage->isEnabled(), c.mage);
        EXPECT_EQ(f->ButtonSortsDeClerc->isEnabled(), c.clerc);
        EXPECT_EQ(f->SpeedButtonSortsDeClerc->isEnabled(), c.clerc);
    }
}

TEST_F(FenetrePrincipale, TirerPV)
{
    struct Cas { const char* classe; QStringList niveaux; const char* constitution; bool actif; };
    const Cas cas[] = {
        {"", {"3"}, "12", false},
        {"Guerrier", {"3"}, "12", true},
        {"Guerrier", {"3"}, "", false},
        {"Guerrier", {"3"}, "26", false},
        {"Guerrier", {"3"}, "0", false},
        {"Guerrier", {"21"}, "12", false},
        {"Guerrier", {""}, "12", false},
        {"Guerrier-Mage", {"3", ""}, "25", false},
        {"Guerrier-Mage", {"3", "1"}, "1", true},
    };
    for (const Cas& c : cas) {
        f->EditConstitution->setText(c.constitution);
        classe(c.classe, c.niveaux);
        EXPECT_EQ(f->ButtonPV->isEnabled(), c.actif) << c.classe << " " << c.constitution;
    }
}

TEST_F(FenetrePrincipale, NotificationsDesChamps)
{
    f->ComboRace->setCurrentIndex(2);   // set by the program: no change of the sheet
    EXPECT_FALSE(modifie);
    f->EditAge->setText("30");          // an entry field set by the program is a change
    EXPECT_TRUE(modifie);
    modifie = false;
    choisit(f->ComboSexe, QStringLiteral("Féminin"));
    EXPECT_TRUE(modifie);
}

TEST_F(FenetrePrincipale, LeFocusResteDansLeChampTape)
{
    classe("Guerrier", {"1"});
    tape(f->EditForce, "18");
    EXPECT_EQ(QApplication::focusWidget(), f->EditForce);
    tape(f->EditNiveau1, "12");
    EXPECT_EQ(QApplication::focusWidget(), f->EditNiveau1);
    EXPECT_EQ(f->EditNiveau1->text(), "12");
    // A field that goes away hands the focus to the name.
    tape(f->EditXtra, "50");
    EXPECT_EQ(QApplication::focusWidget(), f->EditXtra);
    f->EditForce->setText("17");
    EXPECT_EQ(QApplication::focusWidget(), f->EditNom);

    // The same while a dialog is the active window: the main window's own
    // focus moves, to be found again when the dialog closes.
    f->EditForce->setText("18");
    tape(f->EditXtra, "50");
    QDialog dialogue(f.get());
    dialogue.show();
    dialogue.activateWindow();
    QApplication::processEvents();
    f->EditForce->setText("17");
    EXPECT_EQ(f->focusWidget(), f->EditNom);
}

TEST_F(FenetrePrincipale, ToutTexteEstGardeTelQuelSaufHorsWindows1252)
{
    const QString long500(500, u'x');
    for (const QString& t : {QString(" "), QString("018"), QString("$1F"), QString("99999999999"), long500,
                             QStringLiteral("Éléonore d'Œil")}) {
        tape(f->EditForce, t);
        EXPECT_EQ(f->EditForce->text(), t);
    }
    tape(f->EditNom, "A");
    f->EditNom->insert(QStringLiteral("ő"));
    EXPECT_EQ(f->EditNom->text(), "A");
    f->EditNom->insert(QString::fromUtf8("\xF0\x9F\x98\x80"));   // an emoji
    EXPECT_EQ(f->EditNom->text(), "A");
}

TEST_F(FenetrePrincipale, CommandeRefuseeMontreTousLesMessages)
{
    bool montre = false;
    f->BrancheCommande(TPersoForm::Commande::Notes, {Verifications::AvantNotes, [&] { montre = true; }});
    f->ButtonNotes->click();
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(boites->boites[0].texte, "Sagesse incorrecte Race incorrecte Classe incorrecte ");
    EXPECT_EQ(boites->boites[0].boutons, std::vector<Bouton>{Bouton::Oui});
    EXPECT_FALSE(montre);
    EXPECT_FALSE(modifie);

    f->EditSagesse->setText("12");
    choisit(f->ComboRace, "Nain");
    choisit(f->ComboClasse, "Guerrier");
    modifie = false;
    f->SpeedButtonNotes->click();
    EXPECT_TRUE(montre);
    EXPECT_FALSE(modifie);   // what the dialog changes is a step of its own
    EXPECT_EQ(boites->boites.size(), 1u);
}

TEST_F(FenetrePrincipale, SortsDeMageDemandentLIntelligence)
{
    classe("Mage", {"3"});
    bool montre = false;
    f->BrancheCommande(TPersoForm::Commande::SortsDeMage, {Verifications::AvantSortsDeMage, [&] { montre = true; }});
    f->ButtonSortsDeMage->click();
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].texte, "Il faut d'abord l'intelligence");
    EXPECT_FALSE(montre);
    f->EditIntelligence->setText(" ");
    f->ButtonSortsDeMage->click();
    EXPECT_TRUE(montre);
}

TEST_F(FenetrePrincipale, FermerSansModificationNeDemandeRien)
{
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(boites->boites.empty());
}

TEST_F(FenetrePrincipale, TirerPVEcritLesPointsDeVie)
{
    f->EditConstitution->setText("10");
    classe("Guerrier", {"1"});
    modifie = false;
    Hasard::FixeEtat(0);
    etapes.clear();
    f->ButtonPV->click();
    EXPECT_EQ(f->EditPV->text(), "1");   // the first d10 of a fresh start
    EXPECT_TRUE(modifie);
    EXPECT_EQ(etapes, QStringList{"Tirer PV"});
    f->ButtonPV->click();
    EXPECT_EQ(f->EditPV->text(), "1");
    f->ButtonPV->click();
    EXPECT_EQ(f->EditPV->text(), "9");

    // Every level 0: nothing to divide by, the field stays as it was.
    f->EditNiveau1->setText("0");
    ASSERT_TRUE(f->ButtonPV->isEnabled());
    f->ButtonPV->click();
    EXPECT_EQ(f->EditPV->text(), "9");
    EXPECT_TRUE(boites->boites.empty());
}
