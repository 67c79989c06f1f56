#include "Commandes.h"
#include "Controles.h"
#include "ControlesTalents.h"
#include "Fenetres.h"
#include "FichierPersonnage.h"
#include "ListeMarquee.h"
#include "PersonnageOuvert.h"
#include "Recuperation.h"
#include "UnitFormNWP.h"
#include "UnitFormNotes.h"
#include "UnitFormTalentsVoleur.h"
#include "UnitPerso.h"
#include "VerrouDeCopie.h"

#include "Fichiers.h"
#include "ProgrammeDeTest.h"
#include "PlateformeScriptee.h"
#include "Saisie.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The program on the shipped data, its recovery file in a scratch folder.
struct Programme : ProgrammeDeTest {
    explicit Programme(const QString& dossier) : recuperation(std::make_unique<Recuperation>(f, dossier)) {}
    std::unique_ptr<Recuperation> recuperation;
};

// A character's file left in the folder by a copy that ended.
QString laisse(const DossierTemporaire& dossier, const QString& nom, const QString& personnage)
{
    FichePersonnage fiche;
    fiche.personnage.nom = personnage;
    fiche.notes = QStringList{"Note non sauvée"};
    const QString chemin = dossier.chemin(nom);
    EcritFichePersonnage(fiche).sauve(chemin);
    return chemin;
}

// What the recovery file holds now, read as a character file.
FichePersonnage fichierDeSecours(const Programme& pr)
{
    return LitFichePersonnage(ListeTexte::charge(pr.recuperation->Fichier()), pr.o().Competences.competences.size(),
                              pr.o().Armes.size());
}

}

// Written a few seconds after a change, never on the keystroke itself, nor
// while nothing changed; gone once the character is saved or given up.
TEST(Recuperation, EcriteApresUnChangementSupprimeeEnsuite)
{
    DossierTemporaire dossier;
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    Programme pr(dossier.racine());
    const QString fichier = pr.recuperation->Fichier();
    EXPECT_EQ(QFileInfo(fichier).absolutePath(), QFileInfo(dossier.racine()).absoluteFilePath());

    pr.recuperation->Ecrit();   // nothing changed: nothing written
    EXPECT_FALSE(QFile::exists(fichier));

    tape(pr.persoForm->EditNom, "Aldor");
    EXPECT_FALSE(QFile::exists(fichier));   // not on the keystroke
    EXPECT_TRUE(pr.recuperation->Programme());
    pr.recuperation->Ecrit();   // the delay has passed
    ASSERT_TRUE(QFile::exists(fichier));
    EXPECT_EQ(ListeTexte::charge(fichier).lignes().value(0), "Aldor");

    // Saved: gone.
    plateforme->fichiers = {dossier.chemin("aldor.vdl")};
    pr.persoForm->Sauver1Click();
    EXPECT_FALSE(pr.o().Modifie());
    EXPECT_FALSE(QFile::exists(fichier));

    // Given up by "&Nouveau" after "&Non": gone.
    tape(pr.persoForm->EditNom, "Bertrand");
    pr.recuperation->Ecrit();
    ASSERT_TRUE(QFile::exists(fichier));
    plateforme->reponses = {Bouton::Non};
    pr.persoForm->Nouveau1->trigger();
    EXPECT_FALSE(QFile::exists(fichier));

    // Another file opened after "&Non": gone.
    tape(pr.persoForm->EditNom, "Cunégonde");
    pr.recuperation->Ecrit();
    ASSERT_TRUE(QFile::exists(fichier));
    plateforme->reponses = {Bouton::Non};
    plateforme->fichiers = {dossier.chemin("aldor.vdl")};
    Controle<QAction>(pr.persoForm, "Ouvrir1")->trigger();
    EXPECT_EQ(pr.persoForm->EditNom->text(), "Aldor");
    EXPECT_FALSE(QFile::exists(fichier));

    // A choice given back by a dialog.
    pr.o().Change("test", [&](EtatPersonnage& e) { e.fiche.notes = QStringList{"Écrite dans le dialogue"}; });
        pr.o().Signale();
    pr.recuperation->Ecrit();
    EXPECT_EQ(fichierDeSecours(pr).notes, QStringList{"Écrite dans le dialogue"});
    // Closing after "&Non" ends the program, which removes it.
    pr.recuperation->Supprime();
    EXPECT_FALSE(QFile::exists(fichier));
}

// At the next start: "&Oui" brings the character back, modified and without
// a file name; "&Non" removes the file; a damaged file is set aside; the
// file of a copy still running is not offered.
TEST(Recuperation, OfferteAuDemarrage)
{
    DossierTemporaire dossier;
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    const QString repris = laisse(dossier, "personnage-1.vdl", "Aldor");
    {
        Programme pr(dossier.chemin("ailleurs"));
        plateforme->reponses = {Bouton::Oui};
        EXPECT_TRUE(ProposeRecuperations(pr.f, *pr.recuperation, dossier.racine()));
        ASSERT_EQ(plateforme->boites.size(), 1u);
        EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Confirmation);
        EXPECT_EQ(plateforme->boites[0].texte, "Un personnage non sauvé a été retrouvé. Le reprendre ?");
        EXPECT_EQ(plateforme->boites[0].boutons, (std::vector<Bouton>{Bouton::Oui, Bouton::Non}));
        EXPECT_EQ(pr.persoForm->EditNom->text(), "Aldor");
        EXPECT_EQ(pr.o().Fiche().notes, QStringList{"Note non sauvée"});
        EXPECT_TRUE(pr.o().Modifie());
        EXPECT_TRUE(pr.o().Fichier().isEmpty());
        EXPECT_FALSE(QFile::exists(repris));
        // It is this copy's to keep now.
        pr.recuperation->Ecrit();
        EXPECT_TRUE(QFile::exists(pr.recuperation->Fichier()));
    }

    // The lock a copy ended without a file left: it goes, the running
    // copy's stays.
    {
        QFile lock(dossier.chemin("personnage-999999.vdl.verrou"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write("999999\nvardel\n\n");
    }
    plateforme = &PlateformeScriptee::remiseAZero();
    const QString refuse = laisse(dossier, "personnage-2.vdl", "Bertrand");
    const QString enCours = laisse(dossier, "personnage-3.vdl", "Cunégonde");
    VerrouDeCopie verrou(enCours + ".verrou");
    ASSERT_TRUE(verrou.prend());
    const QString abime = dossier.chemin("personnage-4.vdl");
    ListeTexte(QStringList{"Dorothée", "Humain"}).sauve(abime);
    // Offered newest first: the refused one, then the damaged one.
    const QDateTime maintenant = QDateTime::currentDateTime();
    for (const auto& [fichier, age] : {std::pair{refuse, 10}, std::pair{enCours, 20}, std::pair{abime, 30}}) {
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(maintenant.addSecs(-age), QFileDevice::FileModificationTime));
    }
    {
        Programme pr(dossier.chemin("ailleurs"));
        plateforme->reponses = {Bouton::Non, Bouton::Oui};
        EXPECT_FALSE(ProposeRecuperations(pr.f, *pr.recuperation, dossier.racine()));
        ASSERT_EQ(plateforme->boites.size(), 3u);
        EXPECT_FALSE(QFile::exists(refuse));
        EXPECT_TRUE(QFile::exists(enCours));
        EXPECT_FALSE(QFile::exists(abime));
        EXPECT_TRUE(QFile::exists(abime + ".abime"));
        EXPECT_EQ(plateforme->boites[2].genre, GenreBoite::Erreur);
        EXPECT_EQ(plateforme->boites[2].texte, "Le personnage retrouvé ne peut être repris (Index liste hors bornes) : "
                                               "il est mis de côté dans " + abime + ".abime\n« " + abime +
                                                   " » n'est pas un personnage Vardel, ou il est abîmé.");
        EXPECT_EQ(pr.persoForm->EditNom->text(), "");
        EXPECT_FALSE(pr.o().Modifie());
        EXPECT_FALSE(QFile::exists(dossier.chemin("personnage-999999.vdl.verrou")));
        EXPECT_TRUE(QFile::exists(enCours + ".verrou"));
    }
}

// A file and its lock left by a copy that ended under this copy's process
// number (process 1 in every container): never taken for this copy's own
// nor for a live copy's; it is offered like any other.
TEST(Recuperation, UnVerrouLaisseSousLeMemeNumero)
{
    DossierTemporaire dossier;
    const QString nom = QStringLiteral("personnage-%1.vdl").arg(QCoreApplication::applicationPid());
    const QString laisse_ = laisse(dossier, nom, "Aldor");
    {
        QFile verrou(laisse_ + ".verrou");
        ASSERT_TRUE(verrou.open(QIODevice::WriteOnly));
        verrou.write(QByteArray::number(QCoreApplication::applicationPid()) + "\ntests_app\n\n");
    }
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    Programme pr(dossier.racine());
    EXPECT_NE(pr.recuperation->Fichier(), laisse_);
    plateforme->reponses = {Bouton::Oui};
    EXPECT_TRUE(ProposeRecuperations(pr.f, *pr.recuperation, dossier.racine()));
    EXPECT_EQ(pr.persoForm->EditNom->text(), "Aldor");
    EXPECT_FALSE(QFile::exists(laisse_));
    EXPECT_FALSE(QFile::exists(laisse_ + ".verrou"));
}

// What an open dialog shows reaches the recovery file within the same
// delay as the sheet's fields: typed notes, marked proficiencies. The
// character itself gets them only when the dialog closes.
TEST(Recuperation, PendantUnDialogue)
{
    DossierTemporaire dossier;
    PlateformeScriptee::remiseAZero();
    Programme pr(dossier.racine());
    choisit(pr.persoForm->ComboRace, "Humain");
    choisitClasse(*pr.persoForm, "Guerrier", {"3"});
    pr.persoForm->EditSagesse->setText("12");
    pr.persoForm->EditIntelligence->setText("12");
    pr.recuperation->Ecrit();

    FichePersonnage vu;
    avecDialogue([&] { pr.persoForm->ButtonNotesClick(); }, [&](QWidget* d) {
        TFormNotes& notes = pr.f.FormNotes();
        ASSERT_EQ(d, &notes);
        QTest::keyClicks(Controle<QPlainTextEdit>(notes, "MemoNotes"), "Une heure de notes");
        EXPECT_TRUE(pr.recuperation->Programme());
        pr.recuperation->Ecrit();   // the delay has passed, the dialog still open
        vu = fichierDeSecours(pr);
        EXPECT_TRUE(pr.o().Fiche().notes.isEmpty());
        notes.close();
    });
    EXPECT_EQ(vu.notes, QStringList{"Une heure de notes"});
    EXPECT_EQ(pr.o().Fiche().notes, QStringList{"Une heure de notes"});

    int agriculture = -1;
    avecDialogue([&] { pr.persoForm->ButtonNWPClick(); }, [&](QWidget* d) {
        TFormNWP& nwp = pr.f.FormNWP();
        ASSERT_EQ(d, &nwp);
        ListeMarquee* liste = Controle<ListeMarquee>(nwp, "ListBoxNWP");
        for (int i = 0; i < liste->Nombre(); ++i)
            if (liste->Texte(i).startsWith("Agriculture&"))
                agriculture = i;
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(agriculture)).center());
        pr.recuperation->Ecrit();
        vu = fichierDeSecours(pr);
        nwp.close();
    });
    ASSERT_GE(agriculture, 0);
    EXPECT_EQ(vu.competences, (QList<qsizetype>{agriculture}));
    EXPECT_EQ(vu.notes, QStringList{"Une heure de notes"});
    EXPECT_EQ(pr.o().Fiche().competences, (QList<qsizetype>{agriculture}));
    // Closed: the recovery writes the character alone again.
    EXPECT_FALSE(pr.o().PartOuverte);

    // A thief skill stepped up: the spinner as it stands, not the value the
    // dialog opened with.
    choisitClasse(*pr.persoForm, "Voleur", {"2"});
    pr.persoForm->EditDexterite->setText("17");
    int ouvert = -1, montre = -1;
    avecDialogue([&] { pr.persoForm->ButtonTalentsDeVoleurClick(); }, [&](QWidget* d) {
        UpDown* pickpocket = Controle<UpDown>(d, "UpDown1");
        ouvert = pickpocket->Position();
        QTest::mouseClick(pickpocket->BoutonHaut, Qt::LeftButton);
        montre = pickpocket->Position();
        pr.recuperation->Ecrit();
        vu = fichierDeSecours(pr);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    ASSERT_NE(montre, ouvert);
    EXPECT_EQ(vu.talentsVoleur[0], montre);
    EXPECT_EQ(pr.o().Fiche().talentsVoleur[0], montre);
}

// "&Oui" writes the character into this copy's file at once, before the
// old file goes: a crash right after still finds it. It comes back with its
// file name, and a thief never opened with its thief values still to be
// built from the bases.
TEST(Recuperation, RepriseEntiere)
{
    DossierTemporaire dossier;
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    const QString aldric = dossier.chemin("Aldric.vdl");
    QString laisse_;
    {
        Programme pr(dossier.chemin("premier"));
        choisit(pr.persoForm->ComboRace, "Elfe");
        choisitClasse(*pr.persoForm, "Voleur", {"2"});
        pr.persoForm->EditDexterite->setText("17");
        plateforme->fichiers = {aldric};
        pr.persoForm->Sauver1Click();
        tape(pr.persoForm->EditNom, "Aldric");
        ASSERT_TRUE(pr.recuperation->Ecrit());
        laisse_ = pr.recuperation->Fichier();
        pr.recuperation.release();   // a crash: nothing of it runs any more
    }
    // The crashed copy's lock went with it.
    const QString verrou = laisse_ + ".verrou";
    ASSERT_TRUE(QFile::remove(verrou));

    plateforme = &PlateformeScriptee::remiseAZero();
    Programme pr(dossier.chemin("second"));
    plateforme->reponses = {Bouton::Oui};
    EXPECT_TRUE(ProposeRecuperations(pr.f, *pr.recuperation, dossier.chemin("premier")));
    EXPECT_FALSE(QFile::exists(laisse_));
    ASSERT_TRUE(QFile::exists(pr.recuperation->Fichier()));
    EXPECT_EQ(fichierDeSecours(pr).personnage.nom, "Aldric");
    EXPECT_EQ(pr.o().Fichier(), aldric);
    EXPECT_TRUE(pr.o().TalentsVoleurDeBase());

    avecDialogue([&] { pr.persoForm->ButtonTalentsDeVoleurClick(); }, [&](QWidget* d) {
        TFormTalentsVoleur& voleur = pr.f.FormTalentsVoleur();
        ASSERT_EQ(d, &voleur);
        EXPECT_EQ(voleur.Valeurs()[0], 25);
        EXPECT_EQ(Controle<QLabel>(voleur, "PanelReste")->text(), "Il reste 90 points");
        voleur.close();
    });

    // F2 proposes the file it came from.
    plateforme->fichiers = {};
    pr.persoForm->Sauver1Click();
    ASSERT_EQ(plateforme->dialogues.size(), 1u);
    EXPECT_EQ(plateforme->dialogues[0].dialogue.nomInitial, aldric);

    // Taken back once more, as a crash now would leave it.
    PlateformeScriptee::remiseAZero().reponses = {Bouton::Oui};
    Programme suivant(dossier.chemin("troisieme"));
    pr.recuperation->Ecrit();
    QFile::copy(pr.recuperation->Fichier(), dossier.chemin("premier/personnage-0.vdl"));
    EXPECT_TRUE(ProposeRecuperations(suivant.f, *suivant.recuperation, dossier.chemin("premier")));
    EXPECT_EQ(suivant.o().Fichier(), aldric);
    EXPECT_FALSE(suivant.o().TalentsVoleurDeBase());   // its dialog was opened since
}

// Two characters left: one fits in the sheet; the other is named, and
// waits for the next start.
TEST(Recuperation, DeuxPersonnagesLaisses)
{
    DossierTemporaire dossier;
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    const QString a = laisse(dossier, "personnage-a.vdl", "Aldor");
    const QString b = laisse(dossier, "personnage-b.vdl", "Bertrand");
    Programme pr(dossier.chemin("ailleurs"));
    plateforme->reponses = {Bouton::Oui};
    EXPECT_TRUE(ProposeRecuperations(pr.f, *pr.recuperation, dossier.racine()));
    ASSERT_EQ(plateforme->boites.size(), 2u);
    EXPECT_EQ(plateforme->boites[1].genre, GenreBoite::Information);
    EXPECT_EQ(plateforme->boites[1].texte, "Un autre personnage non sauvé a été retrouvé : il sera proposé au "
                                           "prochain démarrage de Vardel.");
    const QString repris = pr.persoForm->EditNom->text();
    EXPECT_TRUE(repris == "Aldor" || repris == "Bertrand");
    EXPECT_NE(QFile::exists(a), QFile::exists(b));

    // The next start offers the other.
    plateforme = &PlateformeScriptee::remiseAZero();
    Programme suivant(dossier.chemin("ailleurs2"));
    plateforme->reponses = {Bouton::Oui};
    EXPECT_TRUE(ProposeRecuperations(suivant.f, *suivant.recuperation, dossier.racine()));
    EXPECT_EQ(plateforme->boites.size(), 1u);
    EXPECT_NE(suivant.persoForm->EditNom->text(), repris);
}

// A folder where nothing can be written (here a file in its place): the
// user is warned once, on screen and on the standard error, and edits on.
// A file larger than any character is set aside unread.
TEST(Recuperation, DossierImpossibleEtFichierDemesure)
{
    DossierTemporaire dossier;
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    const QString fichier = dossier.chemin("vardel");
    ListeTexte(QStringList{"pas un dossier"}).sauve(fichier);
    {
        Programme pr(fichier);
        EXPECT_FALSE(pr.recuperation->Disponible());
        pr.recuperation->AvertitSiIndisponible();
        tape(pr.persoForm->EditNom, "Aldor");
        EXPECT_FALSE(pr.recuperation->Ecrit());
        pr.recuperation->AvertitSiIndisponible();
        ASSERT_EQ(plateforme->boites.size(), 1u);
        EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Avertissement);
        EXPECT_EQ(plateforme->boites[0].texte,
                  "Le fichier de secours ne peut être écrit dans " + QDir::toNativeSeparators(fichier) +
                      " : un arrêt brutal ferait perdre les modifications non sauvées.");
        EXPECT_EQ(pr.persoForm->EditNom->text(), "Aldor");
        EXPECT_TRUE(pr.o().Modifie());
    }

    plateforme = &PlateformeScriptee::remiseAZero();
    const QString demesure = dossier.chemin("personnage-grand.vdl");
    {
        QFile f(demesure);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(Recuperation::TailleMaximale + 1));   // sparse: nothing to read
    }
    Programme pr(dossier.chemin("ailleurs"));
    EXPECT_FALSE(ProposeRecuperations(pr.f, *pr.recuperation, dossier.racine()));
    ASSERT_EQ(plateforme->boites.size(), 1u);
    EXPECT_EQ(plateforme->boites[0].texte, "Le personnage retrouvé ne peut être repris (fichier trop grand) : il est "
                                           "mis de côté dans " + demesure + ".abime\n« " + demesure +
                                               " » fait 64 Mo : aucun personnage n'est si grand.");
    EXPECT_TRUE(QFile::exists(demesure + ".abime"));
}

// A Vardel killed in the middle of an edit: the next start gets the
// character back.
TEST(Recuperation, ApresUnArretBrutal)
{
    DossierTemporaire dossier;
    QProcess vardel;
    vardel.setProgram(QStringLiteral(VARDEL_INTERROMPU));
    vardel.setArguments({DossierDonnees(), dossier.racine(), QStringLiteral("Ermengarde")});
    vardel.setProcessEnvironment([] {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }());
    vardel.start();
    ASSERT_TRUE(vardel.waitForStarted(10000));
    QByteArray sortie;
    while (!sortie.contains("pret") && vardel.waitForReadyRead(30000))
        sortie += vardel.readAllStandardOutput();
    ASSERT_TRUE(sortie.contains("pret")) << vardel.readAllStandardError().toStdString();
    vardel.kill();   // SIGKILL: nothing of its own runs any more
    ASSERT_TRUE(vardel.waitForFinished(10000));
    EXPECT_EQ(vardel.exitStatus(), QProcess::CrashExit);

    auto* plateforme = &PlateformeScriptee::remiseAZero();
    Programme pr(dossier.chemin("suivant"));
    plateforme->reponses = {Bouton::Oui};
    EXPECT_TRUE(ProposeRecuperations(pr.f, *pr.recuperation, dossier.racine()));
    EXPECT_EQ(pr.persoForm->EditNom->text(), "Ermengarde");
    EXPECT_TRUE(pr.o().Modifie());
}
