#include "Niveaux.h"
#include "Tirage.h"

#include <gtest/gtest.h>

namespace {

// Dice that come up in the order given; it records the faces asked for.
struct DesFixes {
    explicit DesFixes(QList<int> s) : suite(std::move(s)) {}
    QList<int> suite;
    QList<int> faces;
    qsizetype suivant = 0;
    int operator()(int n)
    {
        faces.append(n);
        return suite.at(suivant++);
    }
    std::function<int(int)> lance() { return std::ref(*this); }
};

QList<int> totaux(const QList<QList<int>>& lancers)
{
    QList<int> suite;
    for (const QList<int>& l : lancers)
        suite += l;
    return suite;
}

}

// Each method from known dice: the rolls it makes (every die a d6, the
// Beauté last), the rolls it keeps, the values it gives.
TEST(Tirage, ChaqueMethodeDepuisDesDesConnus)
{
    struct Cas {
        MethodeTirage methode;
        QList<QList<int>> des;   // roll by roll, the Beauté's 3d6 last
        QList<int> valeurs;
        QList<bool> gardes;
    };
    const QList<bool> six(6, true);
    const Cas cas[] = {
        {MethodeTirage::I, {{1, 2, 3}, {4, 5, 6}, {6, 6, 6}, {1, 1, 1}, {2, 2, 2}, {3, 4, 5}, {6, 5, 4}},
         {6, 15, 18, 3, 6, 12}, six},
        // The higher of each pair, wherever it stands; the first on a tie.
        {MethodeTirage::II,
         {{1, 1, 1}, {6, 6, 6}, {5, 5, 5}, {1, 2, 3}, {3, 3, 3}, {3, 3, 3}, {2, 2, 2}, {2, 2, 3},
          {6, 6, 5}, {6, 6, 6}, {1, 2, 1}, {1, 1, 1}, {6, 5, 4}},
         {18, 15, 9, 7, 18, 4},
         {false, true, true, false, true, false, false, true, false, true, true, false}},
        {MethodeTirage::III, {{6, 6, 6}, {1, 1, 1}, {2, 3, 4}, {5, 5, 4}, {1, 2, 1}, {3, 3, 3}, {6, 5, 4}},
         {18, 3, 9, 14, 4, 9}, six},
        // The six best of twelve, in the order rolled: of the two 10, the
        // earlier.
        {MethodeTirage::IV,
         {{4, 3, 3}, {1, 1, 1}, {4, 4, 4}, {1, 1, 2}, {5, 5, 5}, {5, 3, 2}, {2, 2, 1}, {6, 6, 5}, {2, 3, 3},
          {5, 5, 1}, {2, 2, 2}, {5, 5, 4}, {6, 5, 4}},
         {10, 12, 15, 17, 11, 14},
         {true, false, true, false, true, false, false, true, false, true, false, true}},
        // The lowest die dropped (the first of equal ones).
        {MethodeTirage::V,
         {{6, 4, 3, 1}, {1, 6, 6, 6}, {2, 2, 2, 2}, {3, 5, 4, 6}, {5, 1, 1, 5}, {4, 4, 4, 1}, {6, 5, 4}},
         {13, 18, 6, 15, 11, 12}, six},
        {MethodeTirage::VI, {{6}, {5}, {4}, {3}, {2}, {1}, {6}, {6, 5, 4}}, {6, 5, 4, 3, 2, 1, 6},
         QList<bool>(7, true)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(NomsDesMethodes()[static_cast<int>(c.methode)].toStdString());
        DesFixes des{totaux(c.des)};
        const JetsDeMethode j = LanceMethode(c.methode, des.lance());
        EXPECT_EQ(des.suivant, des.suite.size());
        EXPECT_EQ(des.faces, QList<int>(des.suite.size(), 6));
        EXPECT_EQ(j.lancers.size(), c.des.size() - 1);
        EXPECT_EQ(j.gardes, c.gardes);
        EXPECT_EQ(j.Valeurs(), c.valeurs);
        EXPECT_EQ(j.beaute.Total(), 15);
    }
}

// Each roll shows its dice and its total; a dropped die in brackets, a roll
// not kept in brackets whole.
TEST(Tirage, TexteDesLancers)
{
    DesFixes v{QList<int>{6, 4, 3, 1, 2, 2, 2, 2, 1, 6, 6, 6} + QList<int>(15, 1)};
    const JetsDeMethode cinq = LanceMethode(MethodeTirage::V, v.lance());
    EXPECT_EQ(cinq.Texte(0), "6 4 3 (1) = 13");
    EXPECT_EQ(cinq.Texte(1), "(2) 2 2 2 = 6");
    EXPECT_EQ(cinq.Texte(2), "(1) 6 6 6 = 18");
    EXPECT_EQ(cinq.beaute.Texte(), "1 1 1 = 3");

    DesFixes deux{QList<int>{1, 2, 3, 6, 5, 4} + QList<int>(33, 1)};
    const JetsDeMethode II = LanceMethode(MethodeTirage::II, deux.lance());
    EXPECT_EQ(II.Texte(0), "(1 2 3 = 6)");
    EXPECT_EQ(II.Texte(1), "6 5 4 = 15");

    DesFixes six{QList<int>(10, 4)};
    EXPECT_EQ(LanceMethode(MethodeTirage::VI, six.lance()).Texte(0), "4");
}

// Giving the values: in order for I and II; one value per ability for III
// to V; for VI every ability starts at 8, takes whole dice and never passes
// 18.
TEST(Tirage, RepartitionDesValeurs)
{
    DesFixes desV{{6, 4, 3, 1, 1, 6, 6, 6, 2, 2, 2, 2, 3, 5, 4, 6, 5, 1, 1, 5, 4, 4, 4, 1, 1, 1, 1}};
    const JetsDeMethode v = LanceMethode(MethodeTirage::V, desV.lance());   // 13 18 6 15 11 12
    QList<int> d = DestinationsDansLOrdre(v);
    EXPECT_EQ(d, QList<int>(6, -1));
    EXPECT_FALSE(ScoresComplets(v, d));
    d = {Constitution, Force, Charisme, Dexterite, Sagesse, Intelligence};
    EXPECT_EQ(ScoresComplets(v, d), (Scores{18, 15, 13, 12, 11, 6}));
    EXPECT_FALSE(PeutRecevoir(v, d, 0, Force));          // Force holds 18 already
    EXPECT_TRUE(PeutRecevoir(v, d, 0, Constitution));    // where it is
    d[1] = -1;
    EXPECT_TRUE(PeutRecevoir(v, d, 0, Force));           // Force is free again
    EXPECT_EQ(ScoresRepartis(v, d), (Scores{0, 15, 13, 12, 11, 6}));
    EXPECT_FALSE(ScoresComplets(v, d));
    d[1] = Constitution;                                  // two values on Constitution, none on Force
    EXPECT_FALSE(ScoresComplets(v, d));

    DesFixes desI{QList<int>(21, 5)};
    const JetsDeMethode I = LanceMethode(MethodeTirage::I, desI.lance());
    EXPECT_EQ(ScoresComplets(I, DestinationsDansLOrdre(I)), (Scores{15, 15, 15, 15, 15, 15}));
    EXPECT_FALSE(PeutRecevoir(I, DestinationsDansLOrdre(I), 0, Dexterite));

    DesFixes desVI{{6, 5, 4, 3, 2, 1, 6, 1, 1, 1}};
    const JetsDeMethode vi = LanceMethode(MethodeTirage::VI, desVI.lance());   // 6 5 4 3 2 1 6
    d = DestinationsDansLOrdre(vi);
    EXPECT_EQ(ScoresRepartis(vi, d), (Scores{8, 8, 8, 8, 8, 8}));
    d[0] = Force;                                         // 14
    EXPECT_FALSE(PeutRecevoir(vi, d, 1, Force));          // 14 + 5 = 19
    EXPECT_TRUE(PeutRecevoir(vi, d, 2, Force));           // 14 + 4 = 18
    d[2] = Force;
    EXPECT_FALSE(PeutRecevoir(vi, d, 5, Force));          // 18 + 1
    EXPECT_TRUE(PeutRecevoir(vi, d, 0, Force));           // a die moved within its own ability
    d = {Force, Dexterite, Force, Sagesse, Sagesse, Sagesse, Charisme};
    EXPECT_EQ(ScoresComplets(vi, d), (Scores{18, 13, 8, 8, 14, 14}));
    d[5] = Force;                                         // 19
    EXPECT_FALSE(ScoresComplets(vi, d));
    d[5] = Sagesse;
    d[1] = -1;                                            // a die left
    EXPECT_FALSE(ScoresComplets(vi, d));
}

// From a fixed state of the program's generator, 60,000 rolls: the means of
// 3d6 and of 4d6 without the lowest are those of fair dice, and every face
// of d6 and d100 comes up.
TEST(Tirage, DesEquitables)
{
    Hasard::FixeEtat(20261211);
    const int n = 10000;
    double troisD6 = 0, quatreD6 = 0;
    QList<int> faces(7, 0);
    for (int i = 0; i < n; ++i) {
        const JetsDeMethode I = LanceMethode(MethodeTirage::I, Hasard::Lance);
        const JetsDeMethode V = LanceMethode(MethodeTirage::V, Hasard::Lance);
        for (int k = 0; k < 6; ++k) {
            troisD6 += I.lancers[k].Total();
            quatreD6 += V.lancers[k].Total();
            for (int de : I.lancers[k].des + V.lancers[k].des)
                ++faces[de];
        }
    }
    EXPECT_NEAR(troisD6 / (6 * n), 10.5, 0.05);
    EXPECT_NEAR(quatreD6 / (6 * n), 12.2446, 0.05);
    EXPECT_EQ(faces[0], 0);
    for (int f = 1; f <= 6; ++f)
        EXPECT_GT(faces[f], 6 * n * 7 / 6 / 2) << f;

    QList<int> pourcents(101, 0);
    for (int i = 0; i < 60000; ++i) {
        const int p = LancePourcentage(Hasard::Lance);
        ASSERT_TRUE(p >= 1 && p <= 100) << p;
        ++pourcents[p];
    }
    for (int p = 1; p <= 100; ++p)
        EXPECT_GT(pourcents[p], 0) << p;
}

// Exceptional strength: Force 18 after the adjustments, a fighter among the
// classes, any race but the Hobbit. "00" reads 100.
TEST(Tirage, ForceExceptionnelle)
{
    struct Cas { int force; const char* classe; const char* race; bool tiree; };
    const Cas cas[] = {
        {18, "Guerrier", "Humain", true},
        {18, "Paladin", "Humain", true},
        {18, "Clerc-Ranger", "Demi-Elfe", true},
        {18, "Guerrier-Mage-Voleur", "Elfe", true},
        {18, "Guerrier-Voleur", "Hobbit", false},
        {18, "Mage", "Humain", false},
        {18, "Clerc-Mage", "Demi-Elfe", false},
        {17, "Guerrier", "Humain", false},
        {19, "Guerrier", "Nain", false},
        {18, "", "Humain", false},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(TireForceExceptionnelle(c.force, c.classe, c.race), c.tiree) << c.force << c.classe << c.race;

    DesFixes des{{100}};
    EXPECT_EQ(LancePourcentage(des.lance()), 100);
    EXPECT_EQ(des.faces, QList<int>{100});
    EXPECT_EQ(TexteForceExceptionnelle(100), "18/00");
    EXPECT_EQ(TexteForceExceptionnelle(63), "18/63");
    EXPECT_EQ(TexteForceExceptionnelle(5), "18/05");
    EXPECT_EQ(TexteForceExceptionnelle(1), "18/01");
}

// The roll gives the sheet its seven scores and its Extra, and its race and
// class only when it chose them.
TEST(Tirage, AppliqueAuPersonnage)
{
    Personnage avant;
    avant.nom = "Tordek";
    avant.race = "Humain";
    avant.classe = "Mage";
    avant.force = "9";
    avant.extra = "45";
    avant.beaute = "10";
    Tirage t{"18", "12", "17", "9", "11", "6", "14", "100", "Nain", "Guerrier-Voleur"};

    Personnage p = avant;
    AppliqueTirage(t, p);
    Personnage attendu = avant;
    attendu.force = "18";
    attendu.dexterite = "12";
    attendu.constitution = "17";
    attendu.intelligence = "9";
    attendu.sagesse = "11";
    attendu.charisme = "6";
    attendu.beaute = "14";
    attendu.extra = "100";
    attendu.race = "Nain";
    attendu.classe = "Guerrier-Voleur";
    EXPECT_EQ(p, attendu);

    t.race.reset();
    t.classe.reset();
    t.extra.clear();
    p = avant;
    AppliqueTirage(t, p);
    attendu.race = "Humain";
    attendu.classe = "Mage";
    attendu.extra = "";
    EXPECT_EQ(p, attendu);
}
