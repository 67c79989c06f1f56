#include "Classes.h"
#include "Echec.h"
#include "Niveaux.h"

#include <climits>
#include "Fichiers.h"

#include "Perso.h"

#include <gtest/gtest.h>

namespace {

Personnage avecConstitution(const QString& classe, const QStringList& niveaux, const QString& constitution)
{
    Personnage p = perso(classe, niveaux);
    p.constitution = constitution;
    return p;
}

}

TEST(Niveaux, AjustementPVConstitution)
{
    //                          0   1   2   3   4   5   6  7..14      15 16 17 18 19 20 21 22 23 24 25 26
    const int combattant[] = {0, -3, -2, -2, -1, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 5, 6, 6, 6, 7, 7, 0};
    for (int c = 0; c <= 26; ++c) {
        const QString texte = QString::number(c);
        EXPECT_EQ(AjustementPVConstitution(texte, COMBATTANT), combattant[c]) << c;
        const int autre = c >= 16 && c <= 25 ? 2 : combattant[c];
        for (const QString& g : {MAGICIEN, PRETRE, LARRON})
            EXPECT_EQ(AjustementPVConstitution(texte, g), autre) << c << " " << g.toStdString();
    }
    EXPECT_EQ(AjustementPVConstitution("", COMBATTANT), 0);
}

TEST(Niveaux, LeGenerateurSuitToujoursLaMemeSuite)
{
    Hasard::FixeEtat(0);
    std::vector<int> tirages;
    for (int i = 0; i < 6; ++i)
        tirages.push_back(Hasard::Lance(10));
    EXPECT_EQ(tirages, (std::vector<int>{1, 1, 9, 3, 3, 7}));
    for (int i = 0; i < 1000; ++i) {
        const int d = Hasard::Lance(4);
        ASSERT_TRUE(d >= 1 && d <= 4);
    }
}

// The program entry takes the starting state from the system's entropy
// once: two such starts give two states (the odds that they meet are 1 in
// 2^32), where a start from the clock or a constant would give the same.
TEST(Niveaux, LeGenerateurEstSemeParLeSysteme)
{
    Hasard::Seme();
    const std::uint32_t premier = Hasard::Etat();
    Hasard::Seme();
    EXPECT_NE(Hasard::Etat(), premier);
}

TEST(Niveaux, TirageDesPointsDeVieResteDansSesBornes)
{
    struct Cas { const char* classe; QStringList niveaux; const char* constitution; int min, max; };
    const Cas cas[] = {
        {"Guerrier", {"12"}, "10", 18, 99},                 // 9 d10 + 3 x 3
        {"Guerrier-Mage", {"1", "1"}, "16", 3, 9},           // (d10 + 2 + d4 + 2) div 2
        {"Mage", {"1"}, "1", -2, 1},                         // d4 - 3: nothing is clamped
        {"Clerc-Guerrier-Mage", {"20", "20", "20"}, "17", (9 * 3 + 22 + 9 * 4 + 33 + 9 * 3 + 11) / 3, (9 * 10 + 22 + 9 * 13 + 33 + 9 * 6 + 11) / 3},
        {"Guerrier-Mage", {"5", "0"}, "10", 5, 50},          // a class at level 0 is not in use
    };
    Hasard::FixeEtat(0);
    for (const Cas& c : cas) {
        int vuMin = INT_MAX, vuMax = INT_MIN;
        for (int i = 0; i < 2000; ++i) {
            const std::optional<int> pv = TirePointsDeVie(avecConstitution(c.classe, c.niveaux, c.constitution));
            ASSERT_TRUE(pv.has_value());
            vuMin = std::min(vuMin, *pv);
            vuMax = std::max(vuMax, *pv);
        }
        EXPECT_GE(vuMin, c.min) << c.classe;
        EXPECT_LE(vuMax, c.max) << c.classe;
        EXPECT_LT(vuMin, vuMax) << c.classe;
    }
    EXPECT_FALSE(TirePointsDeVie(perso("Guerrier", {"0"})).has_value());
    EXPECT_FALSE(TirePointsDeVie(perso("", {"5"})).has_value());
}

// From the generator's start state, the rolls go to the groups in the order
// COMBATTANT, MAGICIEN, LARRON, PRETRE: which roll lands on which die decides
// the total.
TEST(Niveaux, TirageExactDepuisLEtatDeDepart)
{
    struct Cas { const char* classe; QStringList niveaux; const char* constitution; int pv; };
    const Cas cas[] = {
        {"Clerc-Voleur", {"4", "4"}, "10", 12},
        {"Guerrier-Mage", {"2", "2"}, "10", 3},
        {"Guerrier-Mage-Voleur", {"12", "11", "10"}, "15", 41},
    };
    for (const Cas& c : cas) {
        Hasard::FixeEtat(0);
        EXPECT_EQ(TirePointsDeVie(avecConstitution(c.classe, c.niveaux, c.constitution)), c.pv) << c.classe;
    }
}

// With every die at its largest and at its smallest: nine dice per group at
// most, the fixed bonus per level above 9, the Constitution adjustment of
// the group, the share of a multi-class.
TEST(Niveaux, TirageAvecDesExtremes)
{
    const auto maximum = [](int n) { return n; };
    const auto minimum = [](int) { return 1; };
    struct Cas { const char* classe; QStringList niveaux; const char* constitution; int max, min; };
    const Cas cas[] = {
        {"Guerrier", {"9"}, "10", 90, 9},
        {"Guerrier", {"12"}, "10", 9 * 10 + 3 * 3, 9 + 3 * 3},
        {"Mage", {"12"}, "10", 9 * 4 + 1 * 3, 9 + 1 * 3},
        {"Voleur", {"12"}, "10", 9 * 6 + 2 * 3, 9 + 2 * 3},
        {"Clerc", {"12"}, "10", 9 * 8 + 2 * 3, 9 + 2 * 3},
        {"Guerrier", {"3"}, "17", 3 * (10 + 3), 3 * (1 + 3)},
        {"Mage", {"3"}, "17", 3 * (4 + 2), 3 * (1 + 2)},
        {"Mage", {"2"}, "1", 2 * (4 - 3), 2 * (1 - 3)},
        {"Guerrier-Mage", {"12", "12"}, "10", (99 + 39) / 2, (18 + 12) / 2},
        {"Clerc-Guerrier-Mage", {"20", "20", "20"}, "18", (9 * 10 + 22 + 9 * 14 + 33 + 9 * 6 + 11) / 3,
         (9 * 3 + 22 + 9 * 5 + 33 + 9 * 3 + 11) / 3},
    };
    for (const Cas& c : cas) {
        const Personnage p = avecConstitution(c.classe, c.niveaux, c.constitution);
        EXPECT_EQ(TirePointsDeVie(p, maximum), c.max) << c.classe << " " << c.niveaux.join('/').toStdString();
        EXPECT_EQ(TirePointsDeVie(p, minimum), c.min) << c.classe << " " << c.niveaux.join('/').toStdString();
    }
}

TEST(Niveaux, XPNiveauSuivant)
{
    const ListeTexte xp = fichierXP();
    struct Cas { const char* classe; QStringList niveaux; const char* texte; };
    const Cas cas[] = {
        {"Guerrier", {"5"}, "XP pour niveau suivant : 1005 ( Guerrier )"},
        {"Guerrier", {"25"}, "XP pour niveau suivant : 1020 ( Guerrier )"},
        {"Guerrier", {"20"}, "XP pour niveau suivant : 1020 ( Guerrier )"},
        {"Barde", {"1"}, "XP pour niveau suivant : 9001 ( Barde )"},
        {"Guerrier-Mage", {"5", "4"}, "XP pour niveau suivant : 2010 ( Guerrier )"},
        {"Mage-Voleur", {"4", "7"}, "XP pour niveau suivant : 8008 ( Mage )"},
        {"Guerrier", {"0"}, "XP pour niveau suivant : -32767 ( Guerrier )"},   // reads the name line itself
        {"Guerrier-Mage", {"5", ""}, "XP pour niveau suivant : -65534 ( Mage )"},
        {"", {}, "XP pour niveau suivant : 0"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(XPNiveauSuivant(perso(c.classe, c.niveaux), xp), c.texte) << c.classe;

    // A figure that 32 bits hold but not once multiplied by the number of
    // classes (a typo in the file): the figure as it is, never wrapped.
    QStringList grands = xp.lignes();
    const qsizetype guerrier5 = grands.indexOf("Guerrier") + 5;
    grands[guerrier5] = "2000000000";
    EXPECT_EQ(XPNiveauSuivant(perso("Guerrier-Mage", {"5", "4"}), ListeTexte(grands)),
              "XP pour niveau suivant : 8008 ( Mage )");
    grands[guerrier5] = "-2000000000";
    EXPECT_EQ(XPNiveauSuivant(perso("Guerrier-Mage", {"5", "4"}), ListeTexte(grands)),
              "XP pour niveau suivant : -4000000000 ( Guerrier )");

    // Equal candidates name every class, in the file's order.
    QStringList lignes = {"Guerrier"};
    for (int j = 1; j <= 20; ++j)
        lignes.append("500");
    for (const char* nom : {"Paladin", "Ranger", "Mage"}) {
        lignes.append(nom);
        for (int j = 1; j <= 20; ++j)
            lignes.append(nom == QString("Mage") ? "500" : "1");
    }
    for (const char* nom : {"Illusioniste", "Clerc", "Druide", "Voleur", "Barde"})
        lignes.append(nom);
    EXPECT_EQ(XPNiveauSuivant(perso("Guerrier-Mage", {"3", "9"}), ListeTexte(lignes)),
              "XP pour niveau suivant : 1000 ( Guerrier ) ( Mage )");
}

TEST(Niveaux, XPNiveauSuivantSurUnFichierIncomplet)
{
    // The sections out of order: the reader passes the last line.
    const ListeTexte desordre({"Paladin", "Guerrier", "1", "2"});
    try {
        XPNiveauSuivant(perso("Guerrier", {"1"}), desordre);
        FAIL();
    } catch (const Echec& e) {
        EXPECT_EQ(e.texte(), "Index liste hors bornes");
    }
}

TEST(Niveaux, EmplacementsArmes)
{
    struct Cas { const char* classe; QStringList niveaux; int points; };
    const Cas cas[] = {
        {"Guerrier", {"1"}, 4}, {"Guerrier", {"20"}, 10}, {"Mage", {"1"}, 1}, {"Mage", {"20"}, 4},
        {"Clerc", {"1"}, 2}, {"Druide", {"20"}, 7}, {"Voleur", {"20"}, 7},
        {"Guerrier-Voleur", {"7", "9"}, 6}, {"Mage-Voleur", {"12", "3"}, 3}, {"", {}, 0},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CalculeEmplacementsArmes(perso(c.classe, c.niveaux)), c.points) << c.classe;
}
