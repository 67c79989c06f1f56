#include "Controles.h"
#include "ListeMarquee.h"
#include "UnitFormArmes.h"

#include "Fichiers.h"
#include "PlateformeScriptee.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList Armes = {"Masse&7&1d6+1&1d6&-", "Arc court&7&1d6&1d6&2/1", "Dague&2&1d4&1d3&2/1",
                           "Épée longue&5&1d8&1d12&-", "arc long&8&1d6&1d6&2/1", "Bâton&4&1d6&1d6&-",
                           "Fléau&7&1d6+1&2d4&-", "Arbalète légère&7&1d4&1d4&1", "Hache&4&1d6&1d4&1",
                           "Épée courte&3&1d6&1d8&-", "Lance&6&1d6&1d8&1"};
// In list order.
enum { Arbalete, ArcCourt, ArcLong, Baton, Dague, EpeeCourte, EpeeLongue, Fleau, Hache, Lance, Masse };

QString Q(const char* nom) { return QStringLiteral("Se spécialiser dans cette arme (%1) ?").arg(QString::fromUtf8(nom)); }
QString A(const char* nom) { return QStringLiteral("Abandonner la spécialisation dans cette arme (%1) ?").arg(QString::fromUtf8(nom)); }
const QString PasAssez = "Pas assez de points";

class FenetreArmes : public ::testing::Test {
protected:
    void SetUp() override
    {
        boites = &PlateformeScriptee::remiseAZero();
        ListeTexte(Armes).sauve(dossier.chemin("Vardel.Arm"));
        f = std::make_unique<TFormArmes>(ChargeListeArmes(dossier.chemin("Vardel.Arm")));
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    }

    void clique(int i, Qt::MouseButton bouton = Qt::LeftButton)
    {
        ListeMarquee* l = Controle<ListeMarquee>(f, "ListBoxArmes");
        QTest::mouseClick(l->viewport(), bouton, {}, l->visualItemRect(l->item(i)).center());
    }

    DossierTemporaire dossier;
    std::unique_ptr<TFormArmes> f;
    PlateformeScriptee* boites = nullptr;
};

}

TEST_F(FenetreArmes, Presentation)
{
    EXPECT_EQ(f->objectName(), "FormArmes");
    EXPECT_EQ(f->windowTitle(), "Choix des armes");
    EXPECT_EQ(f->size(), QSize(790, 568));
    EXPECT_EQ(f->findChild<ListeMarquee*>("ListBoxArmes"), Controle<ListeMarquee>(f, "ListBoxArmes"));
    EXPECT_EQ(f->findChild<QLabel*>("PanelReste"), Controle<QLabel>(f, "PanelReste"));
    EXPECT_EQ(f->findChild<QCheckBox*>("CheckBoxSpecialiste"), Controle<QCheckBox>(f, "CheckBoxSpecialiste"));

    const std::pair<const char*, int> titres[] = {
        {"ARME", 80}, {"Facteur vitesse", 216}, {"P-M", 312}, {"G", 384}, {"Cadence de tir", 440}};
    for (const auto& [texte, x] : titres) {
        QLabel* trouve = nullptr;
        for (QLabel* l : f->findChildren<QLabel*>())
            if (l->text() == QString(texte))
                trouve = l;
        ASSERT_NE(trouve, nullptr) << texte;
        EXPECT_EQ(trouve->pos(), QPoint(x, 8)) << texte;
        // "ARME" is larger than the dialog's font.
        if (QString(texte) == "ARME")
            EXPECT_EQ(trouve->font().pixelSize(), 13);
        else
            EXPECT_EQ(trouve->font().pointSize(), 8) << texte;
    }

    const QRect liste = Controle<ListeMarquee>(f, "ListBoxArmes")->geometry();
    const int cadre = Controle<ListeMarquee>(f, "ListBoxArmes")->frameWidth();
    EXPECT_EQ(liste.topLeft(), QPoint(72, 24));
    EXPECT_EQ(liste.width(), 481);
    EXPECT_EQ(liste.height(), 2 * cadre + (508 - 2 * cadre) / 18 * 18);
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->visualItemRect(Controle<ListeMarquee>(f, "ListBoxArmes")->item(0)).height(), 18);
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->font().family(), "MS Sans Serif");
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->font().pointSize(), 8);
    EXPECT_EQ(Controle<QLabel>(f, "Image1")->geometry(), QRect(593, 24, 153, 153));
    EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->geometry(), QRect(577, 272, 185, 41));
    EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->font().pixelSize(), 16);
    EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(Controle<QCheckBox>(f, "CheckBoxSpecialiste")->pos(), QPoint(616, 344));
    EXPECT_EQ(Controle<QCheckBox>(f, "CheckBoxSpecialiste")->text(), "Spécialisation");
    EXPECT_EQ(Controle<QCheckBox>(f, "CheckBoxSpecialiste")->toolTip(), "Choix d'une arme de spécialité (uniquement pour un Guerrier)");
    auto* ok = f->findChild<QPushButton*>("ButtonRetour");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->pos(), QPoint(632, 448));
    EXPECT_EQ(ok->toolTip(), "Retour au personnage");

    ASSERT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->Nombre(), 11);
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->Texte(ArcLong), "arc long&8&1d6&1d6&2/1");
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->Texte(EpeeLongue), "Épée longue&5&1d8&1d12&-");
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->Texte(Fleau), "Fléau&7&1d6+1&2d4&-");
}

TEST_F(FenetreArmes, SpecialisationEtEmplacements)
{
    struct Cas {
        const char* quoi;
        int points;
        bool coche, active;
        QList<qsizetype> avant;
        int specialisee;          // position, -1 for none
        int clic;
        std::vector<Bouton> reponses;
        QList<qsizetype> apres;
        int specialiseeApres;
        QStringList boites;
        const char* reste;
    };
    const Cas cas[] = {
        {"oui, une des sept premières", 4, true, true, {}, -1, Baton, {Bouton::Oui}, {Baton}, Baton, {Q("Bâton")}, "Il reste 1 point"},
        {"oui, la septième", 4, true, true, {}, -1, EpeeLongue, {Bouton::Oui}, {EpeeLongue}, EpeeLongue, {Q("Épée longue")}, "Il reste 1 point"},
        {"oui, la huitième", 4, true, true, {}, -1, Fleau, {Bouton::Oui}, {Fleau}, Fleau, {Q("Fléau")}, "Il reste 2 points"},
        {"oui remplace l'autre", 4, true, true, {Fleau}, Fleau, Baton, {Bouton::Oui}, {Baton, Fleau}, Baton, {Q("Bâton")}, "Il reste 0 point"},
        {"non abandonne l'autre", 4, true, true, {Fleau}, Fleau, Baton, {Bouton::Non}, {Baton, Fleau}, -1, {Q("Bâton")}, "Il reste 2 points"},
        {"démarquer, garder", 4, true, true, {Baton}, Baton, Baton, {Bouton::Non}, {Baton}, Baton, {A("Bâton")}, "Il reste 1 point"},
        {"démarquer, abandonner", 4, true, true, {Baton}, Baton, Baton, {Bouton::Oui}, {}, -1, {A("Bâton")}, "Il reste 4 points"},
        {"démarquer sans case", 4, false, true, {Baton}, Baton, Baton, {Bouton::Oui}, {}, -1, {A("Bâton")}, "Il reste 4 points"},
        {"démarquer une autre", 4, true, true, {Dague, Fleau}, Fleau, Dague, {}, {Fleau}, Fleau, {}, "Il reste 2 points"},
        {"case non cochée", 4, false, true, {}, -1, Baton, {}, {Baton}, -1, {}, "Il reste 3 points"},
        {"case cochée mais grisée", 4, true, false, {}, -1, Fleau, {Bouton::Oui}, {Fleau}, Fleau, {Q("Fléau")}, "Il reste 2 points"},
        {"spécialisation trop chère", 3, true, true, {Arbalete}, -1, Baton, {Bouton::Oui}, {Arbalete}, -1, {Q("Bâton"), PasAssez}, "Il reste 2 points"},
        {"plus d'emplacement", 1, false, true, {Arbalete}, -1, ArcCourt, {}, {Arbalete}, -1, {PasAssez}, "Il reste 0 point"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        boites->boites.clear();
        boites->reponses.assign(c.reponses.begin(), c.reponses.end());
        f->PointsArmes = c.points;
        Controle<QCheckBox>(f, "CheckBoxSpecialiste")->setChecked(c.coche);
        Controle<QCheckBox>(f, "CheckBoxSpecialiste")->setEnabled(c.active);
        f->FixeMarques(c.avant);
        f->FixeSpecialisation(c.specialisee < 0 ? QString() : Controle<ListeMarquee>(f, "ListBoxArmes")->Texte(c.specialisee));

        clique(c.clic);

        EXPECT_EQ(f->Marques(), c.apres);
        EXPECT_EQ(f->Specialisation(), c.specialiseeApres < 0 ? QString() : Controle<ListeMarquee>(f, "ListBoxArmes")->Texte(c.specialiseeApres));
        QStringList vues;
        for (const auto& b : boites->boites) {
            vues.append(b.texte);
            if (b.texte == PasAssez) {
                EXPECT_EQ(b.genre, GenreBoite::Erreur);
                EXPECT_EQ(b.boutons, std::vector<Bouton>{Bouton::Oui});
            } else {
                EXPECT_EQ(b.genre, GenreBoite::Confirmation);
                EXPECT_EQ(b.boutons, (std::vector<Bouton>{Bouton::Oui, Bouton::Non}));
            }
        }
        EXPECT_EQ(vues, c.boites);
        EXPECT_TRUE(boites->reponses.empty());
        EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->text(), c.reste);
        // "S " before the name of the specialised weapon, and before no other.
        for (int i = 0; i < Controle<ListeMarquee>(f, "ListBoxArmes")->Nombre(); ++i)
            EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->TextesAffiches(i)[0].startsWith("S "), i == c.specialiseeApres) << i;
    }
}

TEST_F(FenetreArmes, UnClicDroitNeChangeRien)
{
    f->PointsArmes = 4;
    f->FixeMarques({Fleau});
    f->FixeSpecialisation(Controle<ListeMarquee>(f, "ListBoxArmes")->Texte(Fleau));
    clique(Dague);
    Controle<QCheckBox>(f, "CheckBoxSpecialiste")->setChecked(true);
    ASSERT_EQ(Controle<QLabel>(f, "PanelReste")->text(), "Il reste 1 point");

    // An unmarked weapon, then the marked specialised one: no question, no
    // mark, the same current entry.
    clique(Baton, Qt::RightButton);
    clique(Fleau, Qt::RightButton);
    EXPECT_EQ(f->Marques(), (QList<qsizetype>{Dague, Fleau}));
    EXPECT_EQ(f->Specialisation(), Controle<ListeMarquee>(f, "ListBoxArmes")->Texte(Fleau));
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->Courante(), Dague);
    EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->text(), "Il reste 1 point");
    EXPECT_TRUE(boites->boites.empty());
}

TEST_F(FenetreArmes, ColonnesDessinees)
{
    f->FixeSpecialisation(Controle<ListeMarquee>(f, "ListBoxArmes")->Texte(Dague));
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->TextesAffiches(Dague), (QStringList{"S Dague", "2", "1d4", "1d3", "2/1"}));
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->TextesAffiches(Lance), (QStringList{"Lance", "6", "1d6", "1d8", "1"}));
    // The name column is measured without the "S ".
    EXPECT_EQ(f->LargeursColonnes()[0], QFontMetrics(Controle<ListeMarquee>(f, "ListBoxArmes")->font()).horizontalAdvance("Arbalète légère"));
}

TEST(FenetreArmesSansFichier, SignaleLeFichierEtContinue)
{
    PlateformeScriptee& boites = PlateformeScriptee::remiseAZero();
    DossierTemporaire dossier;
    TFormArmes f(ChargeListeArmes(dossier.chemin("Vardel.Arm")));
    ASSERT_EQ(boites.boites.size(), 1u);
    EXPECT_EQ(boites.boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(boites.boites[0].texte, "Ne peut ouvrir le fichier " + dossier.chemin("Vardel.Arm"));
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->Nombre(), 0);
    f.PointsArmes = 4;
    f.AfficheReste();
    EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->text(), "Il reste 4 points");
}

TEST(FenetreArmesDonneesMalFormees, OuvreDessineEtCompte)
{
    PlateformeScriptee& boites = PlateformeScriptee::remiseAZero();
    DossierTemporaire dossier;
    const QString longue = QString(300, QChar(u'w'));
    // In list order: "", "Arc", "Dague&x", "Lance&6&1d6&1d8", longue.
    ListeTexte({"Dague&x", "", longue + "&5&1d8&1d12&-", "Lance&6&1d6&1d8", "Arc"}).sauve(dossier.chemin("Vardel.Arm"));
    TFormArmes f(ChargeListeArmes(dossier.chemin("Vardel.Arm")));
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    ASSERT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->Nombre(), 5);
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->TextesAffiches(1), (QStringList{"", "", "", "", "Arc"}));
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->TextesAffiches(2), (QStringList{"Dague", "", "", "", "x"}));
    EXPECT_EQ(Controle<ListeMarquee>(f, "ListBoxArmes")->TextesAffiches(3), (QStringList{"Lance", "6", "1d6", "", "1d8"}));

    f.PointsArmes = 10;
    Controle<QCheckBox>(f, "CheckBoxSpecialiste")->setChecked(true);
    boites.reponses = {Bouton::Oui};
    QTest::mouseClick(Controle<ListeMarquee>(f, "ListBoxArmes")->viewport(), Qt::LeftButton, {}, Controle<ListeMarquee>(f, "ListBoxArmes")->visualItemRect(Controle<ListeMarquee>(f, "ListBoxArmes")->item(4)).center());
    ASSERT_EQ(boites.boites.size(), 1u);
    EXPECT_EQ(boites.boites[0].texte, Q(longue.toUtf8().constData()));
    EXPECT_EQ(f.Specialisation(), longue + "&5&1d8&1d12&-");
    Controle<QCheckBox>(f, "CheckBoxSpecialiste")->setChecked(false);
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(Controle<ListeMarquee>(f, "ListBoxArmes")->viewport(), Qt::LeftButton, {}, Controle<ListeMarquee>(f, "ListBoxArmes")->visualItemRect(Controle<ListeMarquee>(f, "ListBoxArmes")->item(i)).center());
    EXPECT_EQ(Controle<QLabel>(f, "PanelReste")->text(), "Il reste 3 points");   // 10 - 3 - 4
    f.grab();
    EXPECT_EQ(f.Marques(), (QList<qsizetype>{0, 1, 2, 3, 4}));
    EXPECT_EQ(boites.boites.size(), 1u);
}
