#include "Champs.h"
#include "Controles.h"
#include "ListeMarquee.h"
#include "UnitFormNWP.h"

#include "Fichiers.h"
#include "PlateformeScriptee.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList Categories = {"GENERAL", "Natation", "Cuisine", "FIN", "MAGICIEN", "Astrologie", "FIN",
                                "PRETRE", "Religion", "FIN"};
// In list order: Astrologie, Cuisine, Escalade, Natation, Religion.
const QStringList Competences = {"Natation&1&Force&0", "Escalade&2&Dextérité&0", "Religion&1&Sagesse&0",
                                 "Cuisine&1&Intelligence&+1", "Astrologie&2&Intelligence&0"};
enum { Astrologie, Cuisine, Escalade, Natation, Religion };

Personnage perso(const QString& classe, const QString& niveau, const QString& intelligence)
{
    Personnage p;
    p.classe = classe;
    p.niveaux[0] = niveau;
    p.intelligence = intelligence;
    return p;
}

class FenetreNWP : public ::testing::Test {
protected:
    void SetUp() override
    {
        boites = &PlateformeScriptee::remiseAZero();
        ListeTexte(Categories).sauve(dossier.chemin("Vardel.cat"));
        ListeTexte(Competences).sauve(dossier.chemin("Vardel.nwp"));
        f = std::make_unique<TFormNWP>(ChargeListesCompetences(dossier.chemin("Vardel.cat"), dossier.chemin("Vardel.nwp")));
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    }

    // What the command does before it shows the dialog.
    void ouvre(const Personnage& p)
    {
        f->FixeBudget(CalculeCompetences(p));
        f->ListBoxNWPClick();
    }

    void clique(int i, Qt::MouseButton bouton = Qt::LeftButton)
    {
        ListeMarquee* l = Controle<ListeMarquee>(f, "ListBoxNWP");
        QTest::mouseClick(l->viewport(), bouton, {}, l->visualItemRect(l->item(i)).center());
    }

    QString reste() const { return Controle<QLabel>(f, "PanelReste")->text(); }

    DossierTemporaire dossier;
    std::unique_ptr<TFormNWP> f;
    PlateformeScriptee* boites = nullptr;
};

}

TEST_F(FenetreNWP, Presentation)
{
    EXPECT_EQ(f->objectName(), "FormNWP");
    EXPECT_EQ(f->windowTitle(), "Choix des compétences");
    EXPECT_EQ(f->size(), QSize(645, 498));
    EXPECT_EQ(f->findChild<ListeMarquee*>("ListBoxNWP"), Controle<ListeMarquee>(f, "ListBoxNWP"));
    EXPECT_EQ(f->findChild<QLabel*>("PanelReste"), Controle<QLabel>(f, "PanelReste"));

    const std::pair<const char*, QPoint> titres[] = {
        {"Compétence", {24, 16}}, {"Coût", {176, 16}}, {"Caractéristique", {216, 16}}, {"Modificateur", {304, 16}}};
    for (const auto& [texte, ou] : titres) {
        QLabel* trouve = nullptr;
        for (QLabel* l : f->findChildren<QLabel*>())
            if (l->text() == QString(texte))
                trouve = l;
        ASSERT_NE(trouve, nullptr) << texte;
        EXPECT_EQ(trouve->pos(), ou) << texte;
    }

    const QRect liste = Controle<ListeMarquee>(f, "ListBoxNWP")->geometry();
    const int cadre = Controle<ListeMarquee>(f, "ListBoxNWP")->frameWidth();
    EXPECT_EQ(liste.topLeft(), QPoint(16, 32));
    EXPECT_EQ(liste.width(), 369);
    EXPECT_EQ(liste.height(), 2 * cadre + (424 - 2 * cadre) / 20 * 20);
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->visualItemRect(Controle<ListeMarquee>(f, "ListBoxNWP")->item(0)).height(), 20);
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->font().family(), "MS Sans Serif");
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->font().pointSize(), 8);
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->palette().color(QPalette::Text), QColor(Qt::black));

    EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->geometry(), QRect(412, 260, 209, 41));
    const QFont police = Controle<QLabel>(f, "PanelReste")->font();
    EXPECT_EQ(police.family(), "Arial");
    EXPECT_EQ(police.pixelSize(), 16);
    EXPECT_TRUE(police.bold());
    EXPECT_TRUE(police.italic());
    EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->palette().color(QPalette::WindowText), QColor(Qt::red));

    auto* ok = f->findChild<QPushButton*>("ButtonRetour");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->toolTip(), "Retour au personnage");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(f->isVisible());
}

TEST_F(FenetreNWP, CoutsSelonLesGroupesOuverts)
{
    // A Clerc: GENERAL and PRETRE; Astrologie (MAGICIEN) and Escalade
    // (listed nowhere) cost one more, and the list draws that cost.
    ouvre(perso("Clerc", "1", "9"));
    const qint64 attendus[] = {3, 1, 3, 1, 1};
    for (int i = Astrologie; i <= Religion; ++i) {
        EXPECT_EQ(f->Cout(i), attendus[i]) << i;
        EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->TextesAffiches(i)[1], QString::number(attendus[i])) << i;
    }
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->TextesAffiches(Cuisine), (QStringList{"Cuisine", "1", "Intelligence", "+1"}));

    // The same list for a Mage.
    ouvre(perso("Mage", "1", "9"));
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->TextesAffiches(Astrologie)[1], "2");
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->TextesAffiches(Religion)[1], "2");
}

TEST_F(FenetreNWP, ChaqueClicRecompteEtUnDepassementEstDefait)
{
    // A Ranger of level 1 with Intelligence 9: 3 + 0 + 2 = 5 points.
    ouvre(perso("Ranger", "1", "9"));
    EXPECT_EQ(reste(), "Il reste 5 points");
    EXPECT_TRUE(boites->boites.empty());

    clique(Cuisine);
    EXPECT_EQ(reste(), "Il reste 4 points");
    clique(Astrologie);
    EXPECT_EQ(reste(), "Il reste 2 points");
    clique(Natation);
    EXPECT_EQ(reste(), "Il reste 1 point");

    // Religion costs 2 for a Ranger: the mark is undone.
    clique(Religion);
    EXPECT_EQ(f->Marques(), (QList<qsizetype>{Astrologie, Cuisine, Natation}));
    EXPECT_EQ(reste(), "Il reste 1 point");
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(boites->boites[0].texte, "Pas assez de points");
    EXPECT_EQ(boites->boites[0].boutons, std::vector<Bouton>{Bouton::Oui});

    clique(Natation);
    EXPECT_EQ(reste(), "Il reste 2 points");
    clique(Cuisine);
    clique(Astrologie);
    EXPECT_EQ(reste(), "Il reste 5 points");
    EXPECT_EQ(boites->boites.size(), 1u);
}

TEST_F(FenetreNWP, UnBudgetReduitALOuvertureDemarqueLaDerniereCliquee)
{
    // Ranger 1, Intelligence 9: 5 points. Astrologie, the lowest of the
    // marks in list order, is clicked last.
    ouvre(perso("Ranger", "1", "9"));
    for (int i : {Natation, Cuisine, Astrologie})
        clique(i);
    ASSERT_EQ(reste(), "Il reste 1 point");

    // Intelligence 1: 3 points for 4 spent. Only Astrologie goes.
    ouvre(perso("Ranger", "1", "1"));
    EXPECT_EQ(f->Marques(), (QList<qsizetype>{Cuisine, Natation}));
    EXPECT_EQ(reste(), "Il reste 1 point");
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].texte, "Pas assez de points");
}

TEST_F(FenetreNWP, UnClicDroitNeChangeRienNiCeQuUnDepassementDemarque)
{
    ouvre(perso("Ranger", "1", "9"));
    for (int i : {Natation, Cuisine, Astrologie})
        clique(i);
    ASSERT_EQ(reste(), "Il reste 1 point");

    // Religion would overspend; Natation is marked and the highest.
    clique(Religion, Qt::RightButton);
    clique(Natation, Qt::RightButton);
    EXPECT_EQ(f->Marques(), (QList<qsizetype>{Astrologie, Cuisine, Natation}));
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->Courante(), Astrologie);
    EXPECT_EQ(reste(), "Il reste 1 point");
    EXPECT_TRUE(boites->boites.empty());

    // The cut at the next opening still takes the entry last clicked.
    ouvre(perso("Ranger", "1", "1"));
    EXPECT_EQ(f->Marques(), (QList<qsizetype>{Cuisine, Natation}));
}

TEST_F(FenetreNWP, MarquesCommeValeurs)
{
    f->FixeMarques({Cuisine, Religion});
    EXPECT_EQ(f->Marques(), (QList<qsizetype>{Cuisine, Religion}));
    f->FixeMarques({Astrologie});
    EXPECT_EQ(f->Marques(), QList<qsizetype>{Astrologie});
    // A position beyond the list fails whole: the marks stay as they were.
    EXPECT_EQ(echecDe([&] { f->FixeMarques({Escalade, 5}); }), "Index liste hors bornes");
    EXPECT_EQ(f->Marques(), QList<qsizetype>{Astrologie});
    // In any order, repeated: the same marks.
    f->FixeMarques({Religion, Cuisine, Religion, Astrologie});
    EXPECT_EQ(f->Marques(), (QList<qsizetype>{Astrologie, Cuisine, Religion}));
}

TEST(FenetreNWPSansFichier, SignaleLeFichierEtContinue)
{
    PlateformeScriptee& boites = PlateformeScriptee::remiseAZero();
    DossierTemporaire dossier;
    ListeTexte(Competences).sauve(dossier.chemin("Vardel.nwp"));
    {
        // No category file: the reading stops there, the list stays empty.
        TFormNWP f(ChargeListesCompetences(dossier.chemin("Vardel.cat"), dossier.chemin("Vardel.nwp")));
        ASSERT_EQ(boites.boites.size(), 1u);
        EXPECT_EQ(boites.boites[0].genre, GenreBoite::Erreur);
        EXPECT_EQ(boites.boites[0].texte, "Ne peut ouvrir le fichier " + dossier.chemin("Vardel.cat"));
        EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->Nombre(), 0);
        f.FixeBudget(CalculeCompetences(perso("Guerrier", "1", "9")));
        f.ListBoxNWPClick();
        EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->text(), "Il reste 5 points");
    }
    boites.boites.clear();
    {
        ListeTexte(Categories).sauve(dossier.chemin("Vardel.cat"));
        TFormNWP f(ChargeListesCompetences(dossier.chemin("Vardel.cat"), dossier.chemin("Absent.nwp")));
        ASSERT_EQ(boites.boites.size(), 1u);
        EXPECT_EQ(boites.boites[0].texte, "Ne peut ouvrir le fichier " + dossier.chemin("Absent.nwp"));
        EXPECT_EQ(f.Categories, Categories);
        EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->Nombre(), 0);
    }
}

TEST(FenetreNWPDonneesMalFormees, OuvreDessineEtCompte)
{
    PlateformeScriptee& boites = PlateformeScriptee::remiseAZero();
    DossierTemporaire dossier;
    ListeTexte(Categories).sauve(dossier.chemin("Vardel.cat"));
    const QString longue = QString(300, QChar(u'x')) + "&1&Force&0";
    // In list order: "", "Chant&1&Charisme", "Nage", "Natation&deux&Force&0", "Saut&", longue.
    ListeTexte({"Nage", "", "Saut&", "Natation&deux&Force&0", longue, "Chant&1&Charisme"})
        .sauve(dossier.chemin("Vardel.nwp"));
    TFormNWP f(ChargeListesCompetences(dossier.chemin("Vardel.cat"), dossier.chemin("Vardel.nwp")));
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_TRUE(boites.boites.empty());
    ASSERT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->Nombre(), 6);

    f.FixeBudget(CalculeCompetences(perso("Guerrier", "1", "9")));   // 5 points
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->TextesAffiches(1), (QStringList{"Chant", "2", "", "Charisme"}));
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->TextesAffiches(2), (QStringList{"", "-32766", "", "Nage"}));
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->TextesAffiches(3), (QStringList{"Natation", "-32767", "Force", "0"}));
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxNWP")->TextesAffiches(5)[0], QString(300, QChar(u'x')));

    f.FixeMarques({0, 1, 2, 3, 4, 5});
    f.ListBoxNWPClick();
    EXPECT_EQ(f.PointsRestants(), 5 + 32766 + 32766 + 32767 + 32766 - 2 - 2);
    EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->text(), TexteIlReste(f.PointsRestants()));
    Controle<ListeMarquee>(f, "ListBoxNWP")->viewport()->grab();
    f.grab();
    EXPECT_EQ(f.Marques(), (QList<qsizetype>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(boites.boites.empty());
}
