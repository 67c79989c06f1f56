#include "Champs.h"
#include "CommandesFichier.h"
#include "Controles.h"
#include "FichierPersonnage.h"
#include "ListeMarquee.h"
#include "ListeSorts.h"
#include "Niveaux.h"
#include "Recuperation.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"
#include "UnitFormNotes.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormSpheres.h"
#include "UnitFormTalentsVoleur.h"

#include "PlateformeScriptee.h"
#include "ProgrammeDeTest.h"
#include "Saisie.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUndoStack>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Programme : ProgrammeDeTest {
    QUndoStack& historique() const { return o().Historique(); }

    // A Guerrier-Mage-Voleur on the whole sheet, saved: every dialog has
    // something to show.
    void remplit(const QString& fichier)
    {
        tape(p().EditNom, "Brunhild");
        choisit(p().ComboRace, "Elfe");
        choisitClasse(p(), "Guerrier-Mage-Voleur", {"4", "4", "5"});
        tape(p().EditForce, "18");
        tape(p().EditXtra, "50");
        tape(p().EditIntelligence, "16");
        tape(p().EditSagesse, "12");
        tape(p().EditDexterite, "17");
        tape(p().EditConstitution, "14");
        PlateformeScriptee::courante().fichiers = {fichier};
        p().Sauver1Click();
    }

    // The character, its file and its modified state, and what the sheet
    // shows.
    struct Vu {
        EtatPersonnage etat;
        QString fichier;
        bool modifie;
        Personnage feuille;
        bool operator==(const Vu&) const = default;
    };
    Vu vu() const { return {o().Etat(), o().Fichier(), o().Modifie(), p().personnage()}; }

    static void clique(ListeMarquee* l, int i)
    {
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(i)).center());
    }
};

}

// Every kind of step: done, undone (exactly the state before, the sheet
// showing it), done again (exactly the state after), under its name.
TEST(Historique, ChaqueSorteDEtape)
{
    DossierTemporaire dossier;
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    Programme pr;
    pr.remplit(dossier.chemin("brunhild.vdl"));
    const QString autre = dossier.chemin("autre.vdl");
    {
        FichePersonnage fiche;
        fiche.personnage.nom = "Cunégonde";
        fiche.notes = QStringList{"Une autre"};
        EcritFichePersonnage(fiche).sauve(autre);
    }
    const QString secours = dossier.chemin("secours");
    Recuperation recuperation(pr.f, secours);

    const struct {
        QString etape;
        std::function<void()> fait;
    } cas[] = {
        {"les notes",
         [&] {
             avecDialogue([&] { pr.p().ButtonNotesClick(); }, [&](QWidget*) {
                 QTest::keyClicks(Controle<QPlainTextEdit>(pr.f.FormNotes(), "MemoNotes"), "Doit 3 po");
                 pr.f.FormNotes().ButtonRetourClick();
             });
         }},
        {"les sphères",
         [&] {
             avecDialogue([&] { pr.p().ButtonSortsDeClercClick(); }, [&](QWidget*) {
                 QTest::mouseClick(Controle<QPushButton>(pr.f.FormSpheres(), "ButtonStandard"), Qt::LeftButton);
                 pr.f.FormSpheres().ButtonRetourClick();
             });
         }},
        {"les compétences",
         [&] {
             avecDialogue([&] { pr.p().ButtonNWPClick(); }, [&](QWidget*) {
                 Programme::clique(Controle<ListeMarquee>(pr.f.FormNWP(), "ListBoxNWP"), 3);
                 pr.f.FormNWP().ButtonRetourClick();
             });
         }},
        {"les armes",
         [&] {
             avecDialogue([&] { pr.p().ButtonArmesClick(); }, [&](QWidget*) {
                 Programme::clique(Controle<ListeMarquee>(pr.f.FormArmes(), "ListBoxArmes"), 1);
                 pr.f.FormArmes().ButtonRetourClick();
             });
         }},
        {"les talents de voleur",
         [&] {
             avecDialogue([&] { pr.p().ButtonTalentsDeVoleurClick(); }, [&](QWidget*) {
                 pr.f.FormTalentsVoleur().UpDownClick(0, true);
                 pr.f.FormTalentsVoleur().ButtonRetourClick();
             });
         }},
        {"les sorts de mage",
         [&] {
             avecDialogue([&] { pr.p().ButtonSortsDeMageClick(); }, [&](QWidget*) {
                 TFormSortsDeMage& sorts = pr.f.FormSortsDeMage();
                 Controle<QCheckBox>(sorts, "CheckBoxPourcent")->setChecked(false);
                 ListeSorts* l = Controle<ListeSorts>(sorts, "ListBox1");
                 QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(2)).center());
                 sorts.ButtonRetourClick();
             });
         }},
        {"la saisie de Nom", [&] { tape(pr.p().EditNom, "Brunhilde"); }},
        // Niveau 2 and 3 emptied with it.
        {"le choix de Classe", [&] { choisit(pr.p().ComboClasse, "Guerrier"); }},
        // Extra emptied with it.
        {"la saisie de Force", [&] { tape(pr.p().EditForce, "17"); }},
        {"Tirer PV",
         [&] {
             Hasard::FixeEtat(7);
             QTest::mouseClick(pr.p().ButtonPV, Qt::LeftButton);
         }},
        {"le tirage des caractéristiques",
         [&] {
             Hasard::FixeEtat(11);
             avecDialogue([&] { pr.p().TirerLesCaracteristiques1Click(); }, [&](QWidget* d) {
                 ASSERT_NE(d, nullptr);
                 QTest::mouseClick(d->findChild<QPushButton*>("ButtonAppliquer"), Qt::LeftButton);
             });
         }},
        {"Nouveau",
         [&] {
             plateforme->reponses = {Bouton::Non};
             pr.p().Nouveau1Click();
         }},
        {"Ouvrir",
         [&] {
             plateforme->fichiers = {autre};
             pr.p().Ouvrir1Click();
         }},
        {"la reprise du personnage",
         [&] {
             DossierTemporaire laisses;
             FichePersonnage fiche;
             fiche.personnage.nom = "Dorothée";
             EcritFichePersonnage(fiche).sauve(laisses.chemin("personnage-x.vdl"));
             plateforme->reponses = {Bouton::Oui};
             ProposeRecuperations(pr.f, recuperation, laisses.racine());
         }},
    };
    for (const auto& c : cas) {
        const std::string quoi = c.etape.toStdString();
        const Programme::Vu avant = pr.vu();
        const int pas = pr.historique().count();
        c.fait();
        const Programme::Vu apres = pr.vu();
        EXPECT_NE(apres.etat, avant.etat) << quoi;
        ASSERT_EQ(pr.historique().count(), pas + 1) << quoi;
        EXPECT_EQ(pr.historique().undoText(), c.etape);
        pr.historique().undo();
        EXPECT_EQ(pr.vu(), avant) << quoi;
        pr.historique().redo();
        EXPECT_EQ(pr.vu(), apres) << quoi;
    }
    // The last steps replaced the character: undone, the first one is
    // back whole, its file and its modified state with it.
    for (int i = 0; i < 3; ++i)
        pr.historique().undo();
    EXPECT_EQ(pr.o().Fichier(), dossier.chemin("brunhild.vdl"));
    EXPECT_EQ(pr.p().EditNom->text(), "Brunhilde");
    EXPECT_TRUE(pr.o().Modifie());
    EXPECT_EQ(pr.o().Fiche().notes, QStringList{"Doit 3 po"});
}

// The saved point: undone back to it, nothing to ask at closing and no
// recovery file; done again, modified again. A new step clears what could
// be done again.
TEST(Historique, LePointSauve)
{
    DossierTemporaire dossier;
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    Programme pr;
    Recuperation recuperation(pr.f, dossier.chemin("secours"));
    pr.remplit(dossier.chemin("brunhild.vdl"));
    EXPECT_FALSE(pr.o().Modifie());
    tape(pr.p().EditAge, "120");
    EXPECT_TRUE(pr.o().Modifie());
    recuperation.Ecrit();
    ASSERT_TRUE(QFile::exists(recuperation.Fichier()));

    pr.historique().undo();
    EXPECT_FALSE(pr.o().Modifie());
    EXPECT_FALSE(QFile::exists(recuperation.Fichier()));
    EXPECT_TRUE(pr.p().close());
    EXPECT_TRUE(plateforme->boites.empty());
    pr.p().show();

    pr.historique().redo();
    EXPECT_TRUE(pr.o().Modifie());
    plateforme->reponses = {Bouton::Annuler};
    EXPECT_FALSE(pr.p().close());
    EXPECT_EQ(plateforme->boites.size(), 1u);

    pr.historique().undo();
    ASSERT_TRUE(pr.historique().canRedo());
    tape(pr.p().EditTaille, "1,80");
    EXPECT_FALSE(pr.historique().canRedo());
}

// A run of typing in one field is one step; it ends when the focus
// leaves the field, or with an undo.
TEST(Historique, UneSaisieParChamp)
{
    PlateformeScriptee::remiseAZero();
    Programme pr;
    pr.p().activateWindow();
    QApplication::setActiveWindow(&pr.p());
    const int depart = pr.historique().count();
    pr.p().EditNom->setFocus();
    QTest::keyClicks(pr.p().EditNom, "Aldor");
    EXPECT_EQ(pr.historique().count(), depart + 1);
    EXPECT_EQ(pr.historique().undoText(), "la saisie de Nom");
    QTest::keyClicks(pr.p().EditNom, "ic");
    EXPECT_EQ(pr.historique().count(), depart + 1);

    // Another field, then back: three steps.
    pr.p().EditAge->setFocus();
    QTest::keyClicks(pr.p().EditAge, "40");
    pr.p().EditTaille->setFocus();   // the focus leaves it
    pr.p().EditAge->setFocus();
    QTest::keyClicks(pr.p().EditAge, "1");
    EXPECT_EQ(pr.historique().count(), depart + 3);
    pr.historique().undo();
    EXPECT_EQ(pr.p().EditAge->text(), "40");
    QTest::keyClicks(pr.p().EditAge, "5");
    EXPECT_EQ(pr.historique().count(), depart + 3);
    EXPECT_EQ(pr.p().EditAge->text(), "405");

    // A dialog closed without a change adds no step.
    choisit(pr.p().ComboRace, "Humain");
    choisitClasse(pr.p(), "Clerc", {"2"});
    tape(pr.p().EditSagesse, "14");
    const int avant = pr.historique().count();
    avecDialogue([&] { pr.p().ButtonSortsDeClercClick(); }, [&](QWidget*) { pr.f.FormSpheres().ButtonRetourClick(); });
    avecDialogue([&] { pr.p().ButtonNotesClick(); }, [&](QWidget*) { pr.f.FormNotes().ButtonRetourClick(); });
    EXPECT_EQ(pr.historique().count(), avant);
}

// The menu "Édition" between "Fichier" and "Imprimer": its entries name
// their step and are greyed with nothing to take back; Ctrl+Z in a field
// of the sheet undoes the sheet's step, not the field's own typing.
TEST(Historique, MenuRaccourcisEtTitre)
{
    DossierTemporaire dossier;
    PlateformeScriptee::remiseAZero();
    Programme pr;
    TPersoForm& p = pr.p();
    p.activateWindow();
    QStringList menus;
    for (QAction* a : p.menuBar()->actions())
        menus.append(a->text());
    EXPECT_EQ(menus, (QStringList{"&Fichier", "É&dition", "&Imprimer"}));
    const QList<QAction*> entrees = p.Edition1->actions();
    ASSERT_EQ(entrees.size(), 4);
    EXPECT_TRUE(entrees[2]->isSeparator());
    EXPECT_EQ(entrees[3]->text(), "Tirer les &caractéristiques...");
    QAction* annuler = entrees[0];
    QAction* retablir = entrees[1];
    EXPECT_FALSE(annuler->isEnabled());
    EXPECT_FALSE(retablir->isEnabled());
    EXPECT_FALSE(p.SpeedButtonAnnuler->isEnabled());
    EXPECT_EQ(p.SpeedButtonAnnuler->toolTip(), "Annuler");
    EXPECT_EQ(p.SpeedButtonRetablir->toolTip(), "Rétablir");
    EXPECT_EQ(annuler->shortcuts(), QKeySequence::keyBindings(QKeySequence::Undo));
    EXPECT_EQ(retablir->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    EXPECT_EQ(p.windowTitle(), "Caractéristiques du personnage[*]");
    EXPECT_FALSE(p.isWindowModified());

    p.EditNom->setFocus();
    QTest::keyClicks(p.EditNom, "Brunhild");
    EXPECT_EQ(annuler->text(), "&Annuler la saisie de Nom");
    EXPECT_TRUE(p.SpeedButtonAnnuler->isEnabled());
    EXPECT_TRUE(p.isWindowModified());
    QTest::keyClick(p.EditNom, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(p.EditNom->text(), "");
    EXPECT_EQ(retablir->text(), "&Rétablir la saisie de Nom");
    EXPECT_FALSE(p.isWindowModified());
    QTest::keyClick(p.EditNom, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(p.EditNom->text(), "Brunhild");

    PlateformeScriptee::courante().fichiers = {dossier.chemin("brunhild.vdl")};
    p.Sauver1Click();
    EXPECT_EQ(p.windowTitle(), "Caractéristiques du personnage — brunhild.vdl[*]");
    EXPECT_FALSE(p.isWindowModified());
    p.SpeedButtonAnnuler->click();
    EXPECT_TRUE(p.isWindowModified());
}

// A round trip through the windows: chosen by gestures in each dialog,
// saved, given up for a new character, opened again; each dialog then
// shows what was chosen, the notes box its exact text.
TEST(Historique, AllerRetourParLesFenetres)
{
    DossierTemporaire dossier;
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    Programme pr;
    pr.remplit(dossier.chemin("brunhild.vdl"));
    choisit(pr.p().ComboRace, "Humain");   // a priest's spheres for the notes too
    struct Montre {
        QList<qsizetype> competences, armes;
        ChoixSpheres spheres{};
        QList<int> sorts;
        QString notes;
        ValeursTalentsVoleur voleur{};
        bool operator==(const Montre&) const = default;
    };
    auto regarde = [&] {
        Montre m;
        avecDialogue([&] { pr.p().ButtonNWPClick(); }, [&](QWidget*) { m.competences = pr.f.FormNWP().Marques(); });
        avecDialogue([&] { pr.p().ButtonArmesClick(); }, [&](QWidget*) { m.armes = pr.f.FormArmes().Marques(); });
        avecDialogue([&] { pr.p().ButtonSortsDeClercClick(); }, [&](QWidget*) { m.spheres = pr.f.FormSpheres().Choix(); });
        avecDialogue([&] { pr.p().ButtonSortsDeMageClick(); }, [&](QWidget*) { m.sorts = pr.f.FormSortsDeMage().Marques(1); });
        avecDialogue([&] { pr.p().ButtonNotesClick(); },
                     [&](QWidget*) { m.notes = Controle<QPlainTextEdit>(pr.f.FormNotes(), "MemoNotes")->toPlainText(); });
        avecDialogue([&] { pr.p().ButtonTalentsDeVoleurClick(); },
                     [&](QWidget*) { m.voleur = pr.f.FormTalentsVoleur().Valeurs(); });
        return m;
    };

    avecDialogue([&] { pr.p().ButtonNWPClick(); }, [&](QWidget*) {
        Programme::clique(Controle<ListeMarquee>(pr.f.FormNWP(), "ListBoxNWP"), 2);
        Programme::clique(Controle<ListeMarquee>(pr.f.FormNWP(), "ListBoxNWP"), 5);
        pr.f.FormNWP().ButtonRetourClick();
    });
    avecDialogue([&] { pr.p().ButtonArmesClick(); }, [&](QWidget*) {
        Programme::clique(Controle<ListeMarquee>(pr.f.FormArmes(), "ListBoxArmes"), 4);
        pr.f.FormArmes().ButtonRetourClick();
    });
    avecDialogue([&] { pr.p().ButtonSortsDeClercClick(); }, [&](QWidget*) {
        QTest::mouseClick(Controle<QPushButton>(pr.f.FormSpheres(), "ButtonStandard"), Qt::LeftButton);
        pr.f.FormSpheres().ButtonRetourClick();
    });
    avecDialogue([&] { pr.p().ButtonSortsDeMageClick(); }, [&](QWidget*) {
        TFormSortsDeMage& sorts = pr.f.FormSortsDeMage();
        Controle<QCheckBox>(sorts, "CheckBoxPourcent")->setChecked(false);
        ListeSorts* l = Controle<ListeSorts>(sorts, "ListBox1");
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(3)).center());
        sorts.ButtonRetourClick();
    });
    avecDialogue([&] { pr.p().ButtonNotesClick(); }, [&](QWidget*) {
        QTest::keyClicks(Controle<QPlainTextEdit>(pr.f.FormNotes(), "MemoNotes"), "Doit 3 po");
        QTest::keyClick(Controle<QPlainTextEdit>(pr.f.FormNotes(), "MemoNotes"), Qt::Key_Return);
        QTest::keyClick(Controle<QPlainTextEdit>(pr.f.FormNotes(), "MemoNotes"), Qt::Key_Return);
        Controle<QPlainTextEdit>(pr.f.FormNotes(), "MemoNotes")->insertPlainText("à Bran");
        pr.f.FormNotes().ButtonRetourClick();
    });
    avecDialogue([&] { pr.p().ButtonTalentsDeVoleurClick(); }, [&](QWidget*) {
        pr.f.FormTalentsVoleur().UpDownClick(2, true);
        pr.f.FormTalentsVoleur().ButtonRetourClick();
    });
    const Montre avant = regarde();
    EXPECT_EQ(avant.notes, "Doit 3 po\n\nà Bran");
    EXPECT_EQ(avant.sorts.size(), 1);
    EXPECT_EQ(avant.competences.size(), 2);

    const QString fichier = dossier.chemin("aller-retour.vdl");
    plateforme->fichiers = {fichier};
    pr.p().Sauver1Click();
    pr.p().Nouveau1Click();
    EXPECT_EQ(pr.p().EditNom->text(), "");
    plateforme->fichiers = {fichier};
    pr.p().Ouvrir1Click();
    EXPECT_EQ(regarde(), avant);
}
