#include "Commandes.h"
#include "Fenetres.h"
#include "FichierPersonnage.h"
#include "PersonnageOuvert.h"
#include "Recuperation.h"
#include "UnitPerso.h"

#include "Fichiers.h"
#include "ProgrammeDeTest.h"
#include "PlateformeScriptee.h"
#include "Saisie.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
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
    EXPECT_FALSE(pr.o().Modifie);
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
    pr.persoForm->Ouvrir1->trigger();
    EXPECT_EQ(pr.persoForm->EditNom->text(), "Aldor");
    EXPECT_FALSE(QFile::exists(fichier));

    // A choice made in a dialog counts once the dialog has closed.
    pr.o().Fiche.notes = QStringList{"Écrite dans le dialogue"};
    pr.o().Modifie = true;
    pr.o().Signale();
    pr.recuperation->Ecrit();
    const QStringList lignes = ListeTexte::charge(fichier).lignes();
    EXPECT_EQ(lignes.mid(lignes.size() - 2), (QStringList{"1", "Écrite dans le dialogue"}));
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
        EXPECT_TRUE(ProposeRecuperations(pr.f, dossier.racine()));
        ASSERT_EQ(plateforme->boites.size(), 1u);
        EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Confirmation);
        EXPECT_EQ(plateforme->boites[0].texte, "Un personnage non sauvé a été retrouvé. Le reprendre ?");
        EXPECT_EQ(plateforme->boites[0].boutons, (std::vector<Bouton>{Bouton::Oui, Bouton::Non}));
        EXPECT_EQ(pr.persoForm->EditNom->text(), "Aldor");
        EXPECT_EQ(pr.o().Fiche.notes, QStringList{"Note non sauvée"});
        EXPECT_TRUE(pr.o().Modifie);
        EXPECT_TRUE(pr.o().Noms.sauvegarde.isEmpty());
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
    QLockFile verrou(enCours + ".verrou");
    ASSERT_TRUE(verrou.tryLock(0));
    const QString abime = dossier.chemin("personnage-4.vdl");
    ListeTexte(QStringList{"Dorothée", "Humain"}).sauve(abime);
    {
        Programme pr(dossier.chemin("ailleurs"));
        plateforme->reponses = {Bouton::Non, Bouton::Oui};
        EXPECT_FALSE(ProposeRecuperations(pr.f, dossier.racine()));
        ASSERT_EQ(plateforme->boites.size(), 3u);
        EXPECT_FALSE(QFile::exists(refuse));
        EXPECT_TRUE(QFile::exists(enCours));
        EXPECT_FALSE(QFile::exists(abime));
        EXPECT_TRUE(QFile::exists(abime + ".abime"));
        EXPECT_EQ(plateforme->boites[2].genre, GenreBoite::Erreur);
        EXPECT_EQ(plateforme->boites[2].texte, "Le personnage retrouvé ne peut être repris (Index liste hors bornes) : "
                                               "il est mis de côté dans " + abime + ".abime");
        EXPECT_EQ(pr.persoForm->EditNom->text(), "");
        EXPECT_FALSE(pr.o().Modifie);
        EXPECT_FALSE(QFile::exists(dossier.chemin("personnage-999999.vdl.verrou")));
        EXPECT_TRUE(QFile::exists(enCours + ".verrou"));
    }
}

// A file left by a copy that ended under this copy's process number is
// never taken for this copy's own: it is offered like any other.
TEST(Recuperation, UnFichierLaisseSousLeMemeNumero)
{
    DossierTemporaire dossier;
    const QString laisse_ =
        laisse(dossier, QStringLiteral("personnage-%1.vdl").arg(QCoreApplication::applicationPid()), "Aldor");
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    Programme pr(dossier.racine());
    EXPECT_NE(pr.recuperation->Fichier(), laisse_);
    plateforme->reponses = {Bouton::Oui};
    EXPECT_TRUE(ProposeRecuperations(pr.f, dossier.racine()));
    EXPECT_EQ(pr.persoForm->EditNom->text(), "Aldor");
    EXPECT_FALSE(QFile::exists(laisse_));
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
    EXPECT_TRUE(ProposeRecuperations(pr.f, dossier.racine()));
    EXPECT_EQ(pr.persoForm->EditNom->text(), "Ermengarde");
    EXPECT_TRUE(pr.o().Modifie);
}
