#include "Exemples.h"
#include "Pages.h"
#include "TablesDeSorts.h"

#include <gtest/gtest.h>

// On a page 1830 wide every share of the spell grid is a whole number
// (d = 1810 = 10 × 181): columns at 10, 310, 410, 530, 750, 970, 1390, 1820.
// In Times New Roman 8 (u = 16) a one-line row takes 4 + 20 = 24: after the
// book's title (Arial 14, to 66) and the level title (to 114), the header
// row ends at 130 and row i runs from 130 + 24 i.

namespace {

using Traits = QList<std::array<int, 4>>;
using P = std::pair<int, int>;

const QStringList entete{"Sort", "Dé %", "Vitesse", "Durée", "Portée", "Zone d'effet", "Composants"};

struct Livre : ::testing::Test {
    CanevasEnregistreur c;
    DonneesImpression d = donneesGuerrier();
    Livre()
    {
        d.Perso.nom = "Merlin";
        d.Perso.classe = "Mage";
        d.ChanceApprentissage = 50;
    }
    // A spell of level `niveau` with its roll ("" for none).
    void sort(int niveau, const QString& nom, const QString& jet)
    {
        d.SortsDeMage[std::size_t(niveau - 1)].append(nom + "&1&2&3&4&V, S");
        if (!jet.isEmpty())
            d.SortsDeMageParNiveau[std::size_t(niveau - 1)].append(nom + "&" + jet);
    }
    bool dessine(int H, Cible cible = Cible::Papier, int maximum = 1000)
    {
        c.traces.clear();
        PageDeDessin page(c, 1830, H);
        PaginationEnregistree pagination(c, maximum);
        return DessineLivreDeSorts(page, d, pagination, cible);
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
        for (int x : {310, 410, 530, 750, 970, 1390})
            r.append({x, t, x, y});
        return r;
    }
    static QStringList rangee(const QString& nom, const QString& jet)
    {
        return {nom, jet + " %", "1", "2", "3", "4", "V, S"};
    }
};

TEST(GrilleSorts, SharesOfTheWidthRoundedToWholePixels)
{
    EXPECT_EQ(GrilleLivreDeSorts(755, Cible::Papier).bornes, (QList<int>{10, 132, 173, 222, 311, 400, 571, 745}));
    EXPECT_EQ(GrilleLivreDeSorts(755, Cible::Apercu).bornes, (QList<int>{10, 132, 169, 222, 311, 400, 571, 745}));
    EXPECT_EQ(GrilleSortsDePretre(755).bornes, (QList<int>{10, 172, 221, 310, 399, 570, 745}));
}

TEST_F(Livre, NoSpellLeavesTheTitleAlone)
{
    EXPECT_TRUE(dessine(1250));
    EXPECT_EQ(c.textesDeLaPage(1), QStringList{"Livre de sorts de Merlin"});
    EXPECT_EQ(position(c, "Livre de sorts de Merlin"), P(747, 10));   // (1830 − 24 × 14) div 2
    EXPECT_EQ(c.texte("Livre de sorts de Merlin").style, Gras | Italique);
    EXPECT_TRUE(c.traits().isEmpty());
    // A fresh printer page is blank: nothing is cleared.
    for (const auto& t : c.traces)
        EXPECT_NE(t.genre, CanevasEnregistreur::Genre::Rectangle);
}

TEST_F(Livre, PaperBreaksBeforeARowPassingNineTenthsAndRepeatsTheHeader)
{
    sort(1, "Alpha", "10");
    sort(1, "Beta", "20");
    sort(1, "Gamma", "30");
    // 0.9 × 205 = 184.5: the third row (178 + 24 = 202) goes over.
    EXPECT_TRUE(dessine(205));
    ASSERT_EQ(c.nombreDePages(), 2);
    EXPECT_EQ(c.textesDeLaPage(1),
              (QStringList{"Livre de sorts de Merlin", "Sorts de niveau 1"} + entete + rangee("Alpha", "10")
               + rangee("Beta", "20")));
    EXPECT_EQ(c.textesDeLaPage(2), (QStringList{"Livre de sorts de Merlin"} + entete + rangee("Gamma", "30")));
    EXPECT_EQ(position(c, "Sorts de niveau 1"), P(813, 66));
    EXPECT_EQ(position(c, "Beta"), P(10, 158));
    EXPECT_EQ(position(c, "20 %"), P(344, 158));   // centred in 318..402
    EXPECT_EQ(position(c, "Gamma"), P(10, 86));
    const Traits attendus = Traits{{10, 130, 1820, 130}, {10, 154, 1820, 154}} + fermeture(114, 178)
                            + Traits{{10, 82, 1820, 82}} + fermeture(66, 106);
    EXPECT_EQ(traits(), attendus);

    // 0.9 × 225 = 202.5: it fits.
    EXPECT_TRUE(dessine(225));
    EXPECT_EQ(c.nombreDePages(), 1);
}

TEST_F(Livre, PreviewBreaksAtTheFullHeightAndEndsWithATitlePage)
{
    sort(1, "Alpha", "10");
    sort(1, "Beta", "20");
    sort(1, "Gamma", "30");
    // On screen the third row (to 202) fits 205; the book then ends at
    // 202 + 16, below the box: one more page, its title alone.
    EXPECT_TRUE(dessine(205, Cible::Apercu));
    ASSERT_EQ(c.nombreDePages(), 2);
    EXPECT_EQ(c.textesDeLaPage(2), QStringList{"Livre de sorts de Merlin"});
    // The screen grid: "Dé %" 9 and "Vitesse" 13 shares.
    EXPECT_EQ(position(c, "20 %"), P(339, 158));
    bool regleEcran = false;
    for (const auto& t : traits())
        regleEcran = regleEcran || t == std::array{400, 114, 400, 202};
    EXPECT_TRUE(regleEcran);

    // One pixel less and the row goes to the next page; no title page follows.
    EXPECT_TRUE(dessine(201, Cible::Apercu));
    ASSERT_EQ(c.nombreDePages(), 2);
    EXPECT_EQ(c.textesDeLaPage(2), (QStringList{"Livre de sorts de Merlin"} + entete + rangee("Gamma", "30")));

    // Paper never adds the title page.
    EXPECT_TRUE(dessine(250));
    EXPECT_EQ(c.nombreDePages(), 1);
}

TEST_F(Livre, FailedSpellsComeAfterAllLearnedOnesStruckOut)
{
    sort(1, "Alpha", "50");   // equal to the chance: learned
    sort(1, "Beta", "51");    // failed
    sort(1, "Gamma", "");     // no record: "?", learned
    sort(2, "Delta", "5");
    EXPECT_TRUE(dessine(2000));
    QStringList titres;
    for (const auto& t : c.textes())
        if (t.taille == 12)
            titres.append(t.texte);
    EXPECT_EQ(titres, (QStringList{"Sorts de niveau 1", "Sorts de niveau 2", "Sorts ratés de niveau 1"}));
    EXPECT_EQ(c.textesDeLaPage(1).mid(c.textesDeLaPage(1).indexOf("Sorts ratés de niveau 1") + 1),
              entete + rangee("Beta", "51"));
    EXPECT_TRUE(c.contient("? %"));
    // Name and roll stay plain, the details are struck out, the next row plain again.
    const auto t = c.textes();
    const qsizetype beta = t.indexOf(c.texte("Beta"));
    EXPECT_EQ(t[beta].style, Normal);
    EXPECT_EQ(t[beta + 1].style, Normal);
    for (int i = 2; i < 7; ++i)
        EXPECT_EQ(t[beta + i].style, Barre) << t[beta + i].texte;
    EXPECT_EQ(t[t.indexOf(c.texte("Alpha")) + 2].style, Normal);
}

// A name recorded twice takes the roll of its last record, every catalogue
// record of that name alike; a roll recorded at another level counts not.
TEST_F(Livre, TheLastRecordOfANameGivesTheRoll)
{
    d.SortsDeMage[0] = QStringList{"Alpha&1&2&3&4&V, S", "Alpha&5&6&7&8&V", "Beta&1&2&3&4&V, S"};
    d.SortsDeMageParNiveau[0] = QStringList{"Alpha&10", "Beta&70", "Gamma&90", "Alpha&60", "Beta&20"};
    d.SortsDeMage[1] = QStringList{"Gamma&1&2&3&4&V, S"};
    EXPECT_TRUE(dessine(2000));
    QStringList titres, jets;
    for (const auto& t : c.textes()) {
        if (t.taille == 12)
            titres.append(t.texte);
        if (t.texte.endsWith(" %") && t.texte != "Dé %")
            jets.append(t.texte);
    }
    EXPECT_EQ(titres, (QStringList{"Sorts de niveau 1", "Sorts de niveau 2", "Sorts ratés de niveau 1"}));
    EXPECT_EQ(jets, (QStringList{"20 %", "? %", "60 %", "60 %"}));
}

TEST_F(Livre, RowHeightFollowsItsTallestCellAndAStoppedPageIsClosed)
{
    // A name of 40 characters wraps in the name column (10..302): two lines.
    sort(1, "Un nom de sort bien trop long pour tenir", "10");
    sort(1, "Beta", "20");
    EXPECT_TRUE(dessine(2000));
    EXPECT_EQ(position(c, "Beta"), P(10, 134 + 36 + 4));
    PageDeDessin page(c, 1830, 2000);
    page.ChoisitPolice(TimesNewRoman, 8);
    EXPECT_EQ(HauteurRangee(page, GrilleLivreDeSorts(1830, Cible::Papier),
                            rangee("Un nom de sort bien trop long pour tenir", "10")),
              40);

    // A pagination that stops at the break (the preview at the end of the
    // page it shows): the table is closed at the row's top, nothing more is
    // drawn. 0.9 × 200 = 180: the first row (to 170) fits, the second not.
    EXPECT_FALSE(dessine(200, Cible::Papier, 0));
    EXPECT_EQ(c.nombreDePages(), 1);
    EXPECT_FALSE(c.contient("Beta"));
    EXPECT_EQ(traits().mid(1), fermeture(114, 170));
}

}
