#include "Exemples.h"
#include "Pages.h"

#include <gtest/gtest.h>

// 1830 wide: columns at 10, 410, 530, 750, 970, 1390, 1820. After the title
// (to 66) and the level title (to 114), row i of one line runs from
// 114 + 24 i; there is no header row.

namespace {

using Traits = QList<std::array<int, 4>>;
using P = std::pair<int, int>;

struct Pretre : ::testing::Test {
    CanevasEnregistreur c;
    DonneesImpression d = donneesGuerrier();
    Pretre() { d.Perso.nom = "Tuck"; }
    bool dessine(int H)
    {
        c.traces.clear();
        PageDeDessin page(c, 1830, H);
        PaginationEnregistree pagination(c);
        return DessineSortsDePretre(page, d, pagination);
    }
    Traits traits() const
    {
        Traits r;
        for (const auto& t : c.traits())
            r.append({t.x1, t.y1, t.x2, t.y2});
        return r;
    }
    static Traits fermeture(int t, int y)
    {
        Traits r{{10, y, 1820, y}};
        for (int x : {410, 530, 750, 970, 1390})
            r.append({x, t, x, y});
        return r;
    }
};

const QStringList benir{"Bénir", "1", "6 rounds", "60 m", "1 cible", "V, S, M"};
const QStringList soins{"Soins", "5", "Permanente", "Toucher", "1 créature", "V, S"};

TEST_F(Pretre, EmptyListsLeaveTheTitleOnACleanPage)
{
    EXPECT_TRUE(dessine(1250));
    ASSERT_FALSE(c.traces.isEmpty());
    EXPECT_EQ(c.traces.first().genre, CanevasEnregistreur::Genre::Rectangle);
    EXPECT_EQ(c.textesDeLaPage(1), QStringList{"Sorts de prêtre de Tuck"});
    EXPECT_EQ(position(c, "Sorts de prêtre de Tuck"), P(754, 10));
    EXPECT_EQ(c.nombreDePages(), 1);
}

TEST_F(Pretre, ARowEndingExactlyAtHFitsOneMorePixelBreaks)
{
    d.SortsDeClercParNiveau[0] = {benir.join('&'), soins.join('&')};
    // The second row ends at 162 = H: it fits; the level then ends at 178,
    // below the page, and a page with the title alone follows.
    EXPECT_TRUE(dessine(162));
    ASSERT_EQ(c.nombreDePages(), 2);
    EXPECT_EQ(c.textesDeLaPage(1), (QStringList{"Sorts de prêtre de Tuck", "Sorts de niveau 1"} + benir + soins));
    EXPECT_EQ(c.textesDeLaPage(2), QStringList{"Sorts de prêtre de Tuck"});
    EXPECT_EQ(position(c, "Soins"), P(10, 142));
    EXPECT_EQ(traits(), (Traits{{10, 114, 1820, 114}, {10, 138, 1820, 138}} + fermeture(114, 162)));

    // H = 161: the second row moves over, the table closed at its top, and
    // the book ends within the second page.
    EXPECT_TRUE(dessine(161));
    ASSERT_EQ(c.nombreDePages(), 2);
    EXPECT_EQ(c.textesDeLaPage(2), (QStringList{"Sorts de prêtre de Tuck"} + soins));
    EXPECT_EQ(position(c, "Soins"), P(10, 70));
    EXPECT_EQ(traits(), (Traits{{10, 114, 1820, 114}} + fermeture(114, 138) + Traits{{10, 66, 1820, 66}}
                         + fermeture(66, 90)));
    for (const auto& t : c.textes()) {
        if (t.texte != "Sorts de prêtre de Tuck" && t.texte != "Sorts de niveau 1") {
            EXPECT_EQ(t.police, TimesNewRoman) << t.texte;
            EXPECT_EQ(t.taille, 8) << t.texte;
            EXPECT_EQ(t.style, Normal) << t.texte;
        }
    }
}

TEST_F(Pretre, LevelsInOrderAndALongNameMakesTheRowTaller)
{
    // 60 characters in 10..402: two lines; the other cells stay on the first.
    const QString nom = "Un nom de sort de prêtre bien trop long pour sa seule colonne";
    d.SortsDeClercParNiveau[2] = {nom + "&1&2&3&4&V"};
    d.SortsDeClercParNiveau[0] = {soins.join('&')};
    EXPECT_TRUE(dessine(2000));
    QStringList titres;
    for (const auto& t : c.textes())
        if (t.taille == 12)
            titres.append(t.texte);
    EXPECT_EQ(titres, (QStringList{"Sorts de niveau 1", "Sorts de niveau 3"}));
    // Level 1 ends at 138 + 16; level 3's title there, its row from 202.
    EXPECT_EQ(position(c, "Sorts de niveau 3"), P(813, 154));
    EXPECT_EQ(c.texte("V").y1, 206);
    EXPECT_EQ(c.texte("2").y1, 206);
    bool deuxiemeLigne = false;
    for (const auto& t : c.textes())
        deuxiemeLigne = deuxiemeLigne || (t.x1 == 10 && t.y1 == 222);
    EXPECT_TRUE(deuxiemeLigne);
    EXPECT_TRUE(traits().contains(std::array{10, 242, 1820, 242}));   // 202 + 4 + 36
}

}
