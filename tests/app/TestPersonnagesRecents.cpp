#include "CommandesFichier.h"
#include "Controles.h"
#include "Fenetres.h"
#include "FichierPersonnage.h"
#include "FichierSorts.h"
#include "MenuRecents.h"
#include "PersonnageOuvert.h"
#include "PersonnagesRecents.h"
#include "UnitFormSortsDeMage.h"
#include "UnitPerso.h"
#include "Verifications.h"

#include "Fichiers.h"
#include "ProgrammeDeTest.h"
#include "PlateformeScriptee.h"
#include "Saisie.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QSettings>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

struct Programme : ProgrammeDeTest {
    QStringList menu() const
    {
        QStringList textes;
        for (QAction* a : persoForm->PersonnagesRecents1->actions())
            textes.append(a->text());
        return textes;
    }
};

QString personnage(const DossierTemporaire& dossier, const QString& fichier, const QString& nom)
{
    FichePersonnage fiche;
    fiche.personnage.nom = nom;
    const QString chemin = dossier.chemin(fichier);
    EcritFichePersonnage(fiche).sauve(chemin);
    return chemin;
}

}

// The newest first, each file once, eight at most.
TEST(PersonnagesRecents, OrdreEtLimite)
{
    QStringList l;
    for (int i = 1; i <= 10; ++i)
        l = AjouteRecent(l, QStringLiteral("/p/%1.vdl").arg(i));
    EXPECT_EQ(l, (QStringList{"/p/10.vdl", "/p/9.vdl", "/p/8.vdl", "/p/7.vdl", "/p/6.vdl", "/p/5.vdl", "/p/4.vdl",
                              "/p/3.vdl"}));
    l = AjouteRecent(l, "/p/6.vdl");
    EXPECT_EQ(l.mid(0, 3), (QStringList{"/p/6.vdl", "/p/10.vdl", "/p/9.vdl"}));
    EXPECT_EQ(l.size(), 8);
    EXPECT_EQ(l.count("/p/6.vdl"), 1);

    // Kept in the settings, and read back whatever they hold.
    DossierTemporaire dossier;
    {
        QSettings reglages(dossier.chemin("vardel.ini"), QSettings::IniFormat);
        EcritRecents(reglages, l);
    }
    QSettings relus(dossier.chemin("vardel.ini"), QSettings::IniFormat);
    EXPECT_EQ(LitRecents(relus), l);
    relus.setValue("personnagesRecents", QStringList{"", "/a.vdl", "/a.vdl", "/b.vdl"});
    EXPECT_EQ(LitRecents(relus), (QStringList{"/a.vdl", "/b.vdl"}));
}

// Saved or opened, a file comes first in the menu; chosen there it opens as
// "&Ouvrir" opens it; a file gone gives the usual box and leaves the list.
TEST(PersonnagesRecents, LeMenuDesFichiers)
{
    DossierTemporaire dossier;
    const QString aldor = personnage(dossier, "aldor.vdl", "Aldor");
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    Programme pr;
    QStringList gardes;
    pr.o().RecentsChanges = [&](const QStringList& l) { gardes = l; };
    EXPECT_FALSE(pr.persoForm->PersonnagesRecents1->isEnabled());

    plateforme->fichiers = {aldor};
    Controle<QAction>(pr.persoForm, "Ouvrir1")->trigger();
    tape(pr.persoForm->EditNom, "Bertrand & fils");
    const QString bertrand = dossier.chemin("bertrand.vdl");
    plateforme->fichiers = {bertrand};
    Controle<QAction>(pr.persoForm, "Sauver1")->trigger();
    EXPECT_EQ(pr.o().Recents, (QStringList{bertrand, aldor}));
    EXPECT_EQ(gardes, pr.o().Recents);
    EXPECT_TRUE(pr.persoForm->PersonnagesRecents1->isEnabled());
    EXPECT_EQ(pr.menu(), (QStringList{"&1 bertrand.vdl", "&2 aldor.vdl"}));
    EXPECT_EQ(pr.persoForm->PersonnagesRecents1->actions()[1]->toolTip(), QDir::toNativeSeparators(aldor));

    pr.persoForm->PersonnagesRecents1->actions()[1]->trigger();
    EXPECT_EQ(pr.persoForm->EditNom->text(), "Aldor");
    EXPECT_FALSE(pr.o().Modifie());
    EXPECT_EQ(pr.o().Recents, (QStringList{aldor, bertrand}));
    EXPECT_TRUE(plateforme->boites.empty());

    QFile::remove(bertrand);
    pr.persoForm->PersonnagesRecents1->actions()[1]->trigger();
    ASSERT_EQ(plateforme->boites.size(), 1u);
    EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(plateforme->boites[0].texte, "Ne peut ouvrir le fichier " + bertrand + "\nFichier introuvable");
    EXPECT_EQ(pr.o().Recents, QStringList{aldor});
    EXPECT_EQ(gardes, QStringList{aldor});
    EXPECT_EQ(pr.menu(), QStringList{"&1 aldor.vdl"});
    EXPECT_EQ(pr.persoForm->EditNom->text(), "Aldor");
}

// A file dropped onto the sheet, or onto one of its fields, opens as
// "&Ouvrir" opens it: the question first when the character changed.
TEST(PersonnagesRecents, DeposerUnFichier)
{
    DossierTemporaire dossier;
    const QString aldor = personnage(dossier, "aldor.vdl", "Aldor");
    const QString bertrand = personnage(dossier, "bertrand.vdl", "Bertrand");
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    Programme pr;
    auto depose = [](QWidget* cible, const QString& fichier) {
        QMimeData donnees;
        donnees.setUrls({QUrl::fromLocalFile(fichier)});
        donnees.setText(fichier);
        const QPoint p = cible->rect().center();
        QDragEnterEvent entree(p, Qt::CopyAction, &donnees, Qt::LeftButton, {});
        QApplication::sendEvent(cible, &entree);
        EXPECT_TRUE(entree.isAccepted());
        QDropEvent depot(QPointF(p), Qt::CopyAction, &donnees, Qt::LeftButton, {});
        QApplication::sendEvent(cible, &depot);
    };
    depose(pr.persoForm.get(), aldor);
    EXPECT_EQ(pr.persoForm->EditNom->text(), "Aldor");
    EXPECT_TRUE(plateforme->boites.empty());

    tape(pr.persoForm->EditAge, "40");
    plateforme->reponses = {Bouton::Annuler};
    depose(pr.persoForm->EditLangues, bertrand);
    ASSERT_EQ(plateforme->boites.size(), 1u);
    EXPECT_EQ(plateforme->boites[0].texte, "Sauver le personnage ?");
    EXPECT_EQ(pr.persoForm->EditNom->text(), "Aldor");
    EXPECT_EQ(pr.persoForm->EditLangues->text(), "");   // no path typed in

    plateforme->reponses = {Bouton::Non};
    depose(pr.persoForm->EditNom, bertrand);
    EXPECT_EQ(pr.persoForm->EditNom->text(), "Bertrand");
    EXPECT_FALSE(pr.o().Modifie());
}

// Two copies running at once, one settings file: each reads the list again
// before it adds a file, so neither loses the other's.
TEST(PersonnagesRecents, DeuxCopiesEnMemeTemps)
{
    DossierTemporaire dossier;
    const QString aldor = personnage(dossier, "aldor.vdl", "Aldor");
    const QString mien = personnage(dossier, "Mon perso.vdl", "Bertrand");
    const QString autre = personnage(dossier, "autre.vdl", "Cunégonde");
    PlateformeScriptee::remiseAZero();
    Programme a;
    Programme b;
    QSettings reglagesA(dossier.chemin("vardel.ini"), QSettings::IniFormat);
    QSettings reglagesB(dossier.chemin("vardel.ini"), QSettings::IniFormat);
    GardeRecentsDans(a.f, reglagesA);
    GardeRecentsDans(b.f, reglagesB);

    ExecuteCommande([&] { OuvreFichierChoisi(a.f, aldor); });
    ExecuteCommande([&] { OuvreFichierChoisi(b.f, mien); });
    ExecuteCommande([&] { OuvreFichierChoisi(a.f, autre); });
    EXPECT_EQ(a.o().Recents, (QStringList{autre, mien, aldor}));
    QSettings relus(dossier.chemin("vardel.ini"), QSettings::IniFormat);
    EXPECT_EQ(LitRecents(relus), (QStringList{autre, mien, aldor}));
}

// A spell file given at start or dropped onto the sheet opens as the spell
// window's "&Ouvrir" opens it, into the catalogue; the spell window shows
// when the sheet's checks allow it, their box says why not otherwise. The
// character stays as it was.
TEST(PersonnagesRecents, UnFichierDeSortsDonne)
{
    DossierTemporaire dossier;
    CatalogueSorts catalogue;
    catalogue[0] = QStringList{"Zèbre magique&1&2&3&4&V, S"};
    const QString sorts = dossier.chemin("Sorts.MAG");
    EcritCatalogue(catalogue).sauve(sorts);
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    Programme pr;

    ExecuteCommande([&] { OuvreFichierDonne(pr.f, sorts); });
    ASSERT_EQ(plateforme->boites.size(), 1u);
    EXPECT_EQ(plateforme->boites[0].texte, MessageIntelligenceAbsente);
    EXPECT_EQ(pr.o().Catalogue.catalogue[0], catalogue[0]);
    EXPECT_FALSE(pr.o().Modifie());
    EXPECT_EQ(pr.persoForm->EditNom->text(), "");

    // Dropped, with an Intelligence typed: the spell window shows it.
    plateforme = &PlateformeScriptee::remiseAZero();
    pr.o().Catalogue = {};
    tape(pr.persoForm->EditIntelligence, "12");
    QStringList vu;
    avecDialogue(
        [&] {
            QMimeData donnees;
            donnees.setUrls({QUrl::fromLocalFile(sorts)});
            const QPoint p = pr.persoForm->rect().center();
            QDragEnterEvent entree(p, Qt::CopyAction, &donnees, Qt::LeftButton, {});
            QApplication::sendEvent(pr.persoForm.get(), &entree);
            QDropEvent depot(QPointF(p), Qt::CopyAction, &donnees, Qt::LeftButton, {});
            QApplication::sendEvent(pr.persoForm.get(), &depot);
        },
        [&](QWidget* d) {
            ASSERT_EQ(d, &pr.f.FormSortsDeMage());
            vu = pr.f.FormSortsDeMage().Sorts(1);
        });
    EXPECT_EQ(vu, catalogue[0]);
    EXPECT_TRUE(plateforme->boites.empty());
    EXPECT_EQ(pr.o().Catalogue.nomOuverture, sorts);
}
