#include "Classes.h"
#include "Commandes.h"
#include "Controles.h"
#include "PersonnageOuvert.h"
#include "Niveaux.h"
#include "UnitFormNotes.h"
#include "UnitFormSpheres.h"
#include "UnitPerso.h"

#include "Fichiers.h"
#include "PlateformeScriptee.h"
#include "Saisie.h"

#include <QApplication>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The windows as the program entry creates them, the main window's data
// directory in a scratch folder holding small data files.
class Commandes : public ::testing::Test {
protected:
    void SetUp() override
    {
        ListeTexte(QStringList{"Humain", "Langues : commun", ""}).sauve(dossier.chemin("comprace.dat"));
        fichierXP().sauve(dossier.chemin("XP.dat"));
        ListeTexte(QStringList{"Clerc", "OUI", "Prêtre", "1", "Niveau 1+1", "Niveau 2+2", "Niveau 3+2/1", "***"})
            .sauve(dossier.chemin("sorts2.dat"));
        ListeTexte(QStringList{"1", "Soins mineurs", "Soins", "Contact", "Nécromancie", "Permanente", "5",
                               "1 créature", "Annule", "V, S", "***"})
            .sauve(dossier.chemin("Clercs5.dat"));

        const QString avant = QDir::currentPath();
        QDir::setCurrent(dossier.racine());
        f = std::make_unique<TPersoForm>();
        QDir::setCurrent(avant);
        fenetres = CreeFenetres(*f);
        // The files the choice lists read at start are not all here.
        boites = &PlateformeScriptee::remiseAZero();
        f->show();
        f->activateWindow();
        QApplication::processEvents();
    }

    void classe(const QString& c, const QStringList& niveaux) { choisitClasse(*f, c, niveaux); }

    void clerc(const QString& niveau)
    {
        f->EditSagesse->setText("16");
        choisit(f->ComboRace, "Humain");
        choisit(f->ComboClasse, "Clerc");
        f->EditNiveau1->setText(niveau);
    }


    DossierTemporaire dossier;
    std::unique_ptr<TPersoForm> f;
    Fenetres fenetres;
    PersonnageOuvert& o() const { return *fenetres.Ouvert; }
    // The dialogs, created at their first showing.
    TFormSpheres& spheres() const { return fenetres.FormSpheres(); }
    TFormNotes& notes() const { return fenetres.FormNotes(); }
    PlateformeScriptee* boites = nullptr;
};

}

TEST_F(Commandes, NotesReconstruitLesNotesStandardApresAvoirMarqueLaFiche)
{
    clerc("3");
    o().MarqueSauve(o().Fichier());
    bool modifie = false;
    QStringList standard;
    avecDialogue([&] { QTest::mouseClick(f->ButtonNotes, Qt::LeftButton); }, [&](QWidget* d) {
        ASSERT_EQ(d, &notes());
        modifie = o().Modifie();
        standard = notes().LignesStandard();
        QTest::keyClicks(Controle<QPlainTextEdit>(notes(), "MemoNotes"), "Ma note");
        QTest::mouseClick(Controle<QPushButton>(notes(), "ButtonRetour"), Qt::LeftButton);
    });
    EXPECT_TRUE(boites->boites.empty());
    // Opening changes nothing; the notes typed do, as one step.
    EXPECT_FALSE(modifie);
    EXPECT_TRUE(o().Modifie());
    EXPECT_EQ(o().Historique().undoText(), "les notes");
    EXPECT_EQ(standard, (QStringList{"Langues : commun", "+10% XP Clerc ", "Sorts de clerc/jour : 2/1 (niveau de maîtrise 3)",
                                     XPNiveauSuivant(f->personnage(), fichierXP()), "Sphères d'influence :"}));
    EXPECT_FALSE(notes().isVisible());
    EXPECT_EQ(o().Fiche().notes, QStringList{"Ma note"});

    // The data file is read afresh at each opening; the notes typed stay.
    ListeTexte(QStringList{"Humain", "Langues : commun, elfe", ""}).sauve(dossier.chemin("comprace.dat"));
    avecDialogue([&] { QTest::mouseClick(f->SpeedButtonNotes, Qt::LeftButton); }, [&](QWidget* d) {
        ASSERT_EQ(d, &notes());
        standard = notes().LignesStandard();
        EXPECT_EQ(notes().LignesNotes(), QStringList{"Ma note"});
        notes().ButtonRetourClick();
    });
    EXPECT_EQ(standard.first(), "Langues : commun, elfe");
}

TEST_F(Commandes, NotesVerifieSagesseRaceEtClasse)
{
    choisit(f->ComboRace, "Humain");
    o().MarqueSauve(o().Fichier());
    avecDialogue([&] { f->ButtonNotesClick(); }, [&](QWidget* d) {
        EXPECT_EQ(d, nullptr);
    });
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(boites->boites[0].texte, "Sagesse incorrecte Classe incorrecte ");
    EXPECT_EQ(boites->boites[0].boutons, std::vector<Bouton>{Bouton::Oui});
    EXPECT_FALSE(o().Modifie());
}

TEST_F(Commandes, NotesSurDesFichiersManquantsOuTropCourts)
{
    clerc("3");
    o().NotesStandard = {"ancien"};
    QFile::remove(dossier.chemin("comprace.dat"));
    o().MarqueSauve(o().Fichier());
    auto sansDialogue = [&] {
        avecDialogue([&] { f->ButtonNotesClick(); }, [&](QWidget* d) {
            EXPECT_EQ(d, nullptr);
        });
    };
    sansDialogue();
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(boites->boites[0].texte, "Ne peut ouvrir le fichier " + QDir(dossier.racine()).filePath("comprace.dat"));
    EXPECT_EQ(o().NotesStandard, QStringList{});
    // Nothing of the character changed.
    EXPECT_FALSE(o().Modifie());

    // A race block that runs to the end of the file: the lines read stay shown.
    ListeTexte(QStringList{"Humain", "Langues : commun"}).sauve(dossier.chemin("comprace.dat"));
    sansDialogue();
    ASSERT_EQ(boites->boites.size(), 2u);
    EXPECT_EQ(boites->boites[1].texte, "Index liste hors bornes");
    EXPECT_EQ(o().NotesStandard, QStringList{"Langues : commun"});
}

TEST_F(Commandes, SortsDeClercMontreLesSpheres)
{
    clerc("3");
    ASSERT_TRUE(f->ButtonSortsDeClerc->isEnabled());
    o().MarqueSauve(o().Fichier());
    bool modifie = false;
    avecDialogue([&] { QTest::mouseClick(f->ButtonSortsDeClerc, Qt::LeftButton); }, [&](QWidget* d) {
        ASSERT_EQ(d, &spheres());
        modifie = o().Modifie();
        QTest::mouseClick(Controle<QPushButton>(spheres(), "ButtonStandard"), Qt::LeftButton);
        QTest::mouseClick(Controle<QPushButton>(spheres(), "ButtonRetour"), Qt::LeftButton);
    });
    EXPECT_FALSE(modifie);
    EXPECT_TRUE(o().Modifie());
    EXPECT_EQ(o().Historique().undoText(), "les sphères");
    EXPECT_FALSE(spheres().isVisible());
    EXPECT_EQ(spheres().Choix(), ChoixStandard());
    EXPECT_EQ(o().Fiche().spheres, ChoixStandard());

    // The notes show the choices, and the priest lists follow them.
    avecDialogue([&] { f->ButtonNotesClick(); }, [&](QWidget* d) {
        ASSERT_EQ(d, &notes());
        EXPECT_TRUE(notes().LignesStandard().last().startsWith("Sphères d'influence : Astrale Charme "));
        notes().accept();
    });
    ConstruitSortsDeClerc(o());
    EXPECT_EQ(o().SortsDeClercParNiveau[0], QStringList{"Soins mineurs&5&Permanente&Contact&1 créature&V, S"});
    EXPECT_TRUE(o().SortsDeClercParNiveau[1].isEmpty());
}

TEST_F(Commandes, NouveauVideLesSpheresEtLesNotes)
{
    o().Change("test", [&](EtatPersonnage& e) { e.fiche.spheres = ChoixStandard(); });
    o().Change("test", [&](EtatPersonnage& e) { e.fiche.notes = QStringList{"à oublier"}; });
        boites->reponses.push_back(Bouton::Non);
    f->Nouveau1Click();
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].texte, "Sauver le personnage ?");
    ChoixSpheres aucune{};
    aucune.fill(AccesSphere::Aucun);
    EXPECT_EQ(o().Fiche().spheres, aucune);
    EXPECT_EQ(o().Fiche().notes, QStringList{});
    EXPECT_FALSE(o().Modifie());
}

// The memo keeps its cursor and its own undo while it shows the same
// character's notes; after "&Ouvrir" (or "&Nouveau") it is filled anew,
// even with notes that read the same: the cursor at the start, nothing to
// undo across the opening.
TEST_F(Commandes, NotesRempliesAneufApresOuvrir)
{
    clerc("3");
    auto tapeNote = [&] {
        avecDialogue([&] { f->ButtonNotesClick(); }, [&](QWidget* d) {
            ASSERT_EQ(d, &notes());
            QTest::keyClicks(Controle<QPlainTextEdit>(notes(), "MemoNotes"), "Une note");
            notes().ButtonRetourClick();
        });
    };
    tapeNote();
    const QString fichier = dossier.chemin("clerc.vdl");
    boites->fichiers = {fichier};
    f->Sauver1Click();

    int curseur = -1;
    bool annulable = false;
    auto regarde = [&] {
        avecDialogue([&] { f->ButtonNotesClick(); }, [&](QWidget* d) {
            ASSERT_EQ(d, &notes());
            curseur = Controle<QPlainTextEdit>(notes(), "MemoNotes")->textCursor().position();
            annulable = Controle<QPlainTextEdit>(notes(), "MemoNotes")->document()->isUndoAvailable();
            notes().ButtonRetourClick();
        });
    };
    regarde();
    EXPECT_EQ(curseur, 8);
    EXPECT_TRUE(annulable);

    boites->reponses = {Bouton::Non};
    boites->fichiers = {fichier};
    f->Ouvrir1Click();
    ASSERT_EQ(o().Fiche().notes, QStringList{"Une note"});
    regarde();
    EXPECT_EQ(notes().LignesNotes(), QStringList{"Une note"});
    EXPECT_EQ(curseur, 0);
    EXPECT_FALSE(annulable);
}

TEST_F(Commandes, FermerAvecModificationDemande)
{
    // A save that succeeds leaves the sheet unmodified; one cancelled or
    // failed does not.
    int sauvegardes = 0;
    bool reussie = false;
    f->BrancheCommande(TPersoForm::Commande::Sauver, {nullptr, [&] {
        ++sauvegardes;
        if (reussie)
            o().MarqueSauve(o().Fichier());
    }});
    f->EditNom->setText("Aldor");

    boites->reponses = {Bouton::Annuler};
    EXPECT_FALSE(f->close());
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].genre, GenreBoite::Confirmation);
    EXPECT_EQ(boites->boites[0].texte, "Sauver le personnage ?");
    EXPECT_EQ(boites->boites[0].boutons, (std::vector<Bouton>{Bouton::Oui, Bouton::Non, Bouton::Annuler}));
    EXPECT_TRUE(f->isVisible());

    boites->reponses = {Bouton::Non};
    EXPECT_TRUE(f->close());
    EXPECT_EQ(sauvegardes, 0);

    f->show();
    boites->reponses = {Bouton::Oui};
    f->Quitter1->trigger();
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(o().Modifie());
    EXPECT_EQ(sauvegardes, 1);

    reussie = true;
    boites->reponses = {Bouton::Oui};
    f->Quitter1->trigger();
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(sauvegardes, 2);
}

TEST_F(Commandes, NouveauViderLaFiche)
{
    classe("Guerrier-Mage", {"3", "2"});
    f->EditNom->setText("Aldor");
    f->EditForce->setText("18");
    f->EditXtra->setText("50");
    o().Change("test", [&](EtatPersonnage& e) { e.fiche.notes = QStringList{"à oublier"}; });

    boites->reponses = {Bouton::Annuler};
    f->Nouveau1->trigger();
    EXPECT_EQ(f->EditNom->text(), "Aldor");
    EXPECT_EQ(o().Fiche().notes, QStringList{"à oublier"});

    boites->reponses = {Bouton::Non};
    f->Nouveau1->trigger();
    EXPECT_EQ(o().Fiche().notes, QStringList{});
    for (QLineEdit* e : {f->EditNom, f->EditLangues, f->EditForce, f->EditXtra, f->EditNiveau1, f->EditNiveau2})
        EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
    EXPECT_EQ(f->ComboClasse->currentText(), "");
    EXPECT_FALSE(o().Modifie());
    const auto avant = boites->boites.size();
    EXPECT_TRUE(f->close());
    EXPECT_EQ(boites->boites.size(), avant);
}

// After the program entry every command has its work, no dialog is built
// yet, and the character is the empty one.
TEST_F(Commandes, CommandesSansTravail)
{
    EXPECT_TRUE(f->CommandesSansTravail().empty());
    EXPECT_TRUE(f->findChildren<QDialog*>().isEmpty());
    EXPECT_FALSE(o().Modifie());
    EXPECT_TRUE(o().TalentsVoleurDeBase());
    EXPECT_EQ(o().Fiche().personnage, f->personnage());
}

// Each command runs its own checks on an empty sheet, shows them in one box
// and changes nothing.
TEST_F(Commandes, ChaqueCommandeSesVerifications)
{
    struct Cas { void (TPersoForm::*commande)(); const char* texte; };
    const Cas cas[] = {
        {&TPersoForm::ButtonNWPClick, "Classe incorrecte Intelligence incorrecte "},
        {&TPersoForm::ButtonArmesClick, "Classe incorrecte "},
        {&TPersoForm::ButtonTalentsDeVoleurClick, "Dextérité incorrecte Race incorrecte "},
        {&TPersoForm::ButtonBardeClick, "Dextérité incorrecte Race incorrecte "},
        {&TPersoForm::ButtonNotesClick, "Sagesse incorrecte Race incorrecte Classe incorrecte "},
        {&TPersoForm::ButtonSortsDeMageClick, "Il faut d'abord l'intelligence"},
        {&TPersoForm::Aperuavantimpression1Click,
         "Force incorrecte Intelligence incorrecte Sagesse incorrecte Dextérité incorrecte "
         "Constitution incorrecte Charisme incorrect Beauté incorrecte Race incorrecte "
         "Classe incorrecte Sexe incorrect Alignement incorrect "},
    };
    for (const Cas& c : cas) {
        boites = &PlateformeScriptee::remiseAZero();
        (f.get()->*c.commande)();
        ASSERT_EQ(boites->boites.size(), 1u) << c.texte;
        EXPECT_EQ(boites->boites[0].genre, GenreBoite::Erreur);
        EXPECT_EQ(boites->boites[0].texte, c.texte);
        EXPECT_EQ(boites->boites[0].boutons, std::vector<Bouton>{Bouton::Oui});
        EXPECT_FALSE(o().Modifie()) << c.texte;
    }
}
