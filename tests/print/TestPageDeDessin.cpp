#include "CanevasEnregistreur.h"
#include "PageDeDessin.h"

#include <gtest/gtest.h>

// The recording canvas measures a text of n characters in a font of s points
// as n × s wide and 2 × s high: in Times New Roman 8, u = 16, u div 4 = 4,
// u div 8 = 2, and "abc" is 24 wide.

namespace {

using Genre = CanevasEnregistreur::Genre;

struct Frame : ::testing::Test {
    CanevasEnregistreur canevas;
    PageDeDessin page{canevas, 755, 1250};
    Frame() { page.ChoisitPolice(TimesNewRoman, 8); }

    // (x, y, text) of every text written.
    QList<std::tuple<int, int, QString>> ecrits() const
    {
        QList<std::tuple<int, int, QString>> r;
        for (const auto& t : canevas.textes())
            r.append({t.x1, t.y1, t.texte});
        return r;
    }
    QList<std::array<int, 4>> traits() const
    {
        QList<std::array<int, 4>> r;
        for (const auto& t : canevas.traits())
            r.append({t.x1, t.y1, t.x2, t.y2});
        return r;
    }
};

using Ecrits = QList<std::tuple<int, int, QString>>;
using Traits = QList<std::array<int, 4>>;

TEST(ArrondiPair, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(ArrondiPair(26.5), 26);
    EXPECT_EQ(ArrondiPair(25.5), 26);
    EXPECT_EQ(ArrondiPair(25.49), 25);
    EXPECT_EQ(ArrondiPair(-0.5), 0);
    EXPECT_EQ(ArrondiPair(-1.5), -2);
}

TEST_F(Frame, LineUnitFollowsTheLastFontChosen)
{
    EXPECT_EQ(page.HauteurLigne(), 16);
    page.ChoisitPolice(Arial, 14, Gras | Italique);
    EXPECT_EQ(page.HauteurLigne(), 28);
    page.canevas.Ecrit(0, 0, QStringLiteral("x"));
    const auto t = canevas.textes().last();
    EXPECT_EQ(t.police, Arial);
    EXPECT_EQ(t.taille, 14);
    EXPECT_EQ(t.style, Gras | Italique);
}

TEST_F(Frame, ClearingLeavesAWhiteBrushAndABlackPen)
{
    page.Efface();
    ASSERT_EQ(canevas.traces.size(), 1);
    const auto fond = canevas.traces[0];
    EXPECT_EQ(fond.genre, Genre::Rectangle);
    EXPECT_EQ((std::array{fond.x1, fond.y1, fond.x2, fond.y2}), (std::array{0, 0, 755, 1250}));
    EXPECT_EQ(fond.pinceau, QColor(Qt::white));
    EXPECT_EQ(fond.plume, QColor(Qt::white));
    page.Trait(1, 2, 3, 4);
    EXPECT_EQ(canevas.traits().last().plume, QColor(Qt::black));
    EXPECT_EQ(canevas.traits().last().pinceau, QColor(Qt::white));
}

TEST_F(Frame, CadreIsFourLinesRoundTheCorners)
{
    page.Cadre(1, 2, 30, 40);
    EXPECT_EQ(traits(), (Traits{{1, 2, 1, 40}, {1, 40, 30, 40}, {30, 40, 30, 2}, {30, 2, 1, 2}}));
}

TEST_F(Frame, BoxedTextsStandThreeClearAndAnEighthOfALine)
{
    page.TexteEncadre(100, 50, QStringLiteral("abc"));
    page.TexteEncadre(200, 50, QStringLiteral("  "));
    page.TexteEncadre(300, 50, QString());
    const Traits t = traits();
    ASSERT_EQ(t.size(), 12);
    // From the top-left corner down to the bottom-right one.
    EXPECT_EQ(t[0], (std::array{97, 48, 97, 68}));
    EXPECT_EQ(t[1], (std::array{97, 68, 127, 68}));
    EXPECT_EQ(t[4], (std::array{197, 48, 197, 68}));
    EXPECT_EQ(t[5], (std::array{197, 68, 219, 68}));   // two spaces and 6
    EXPECT_EQ(t[8], (std::array{297, 48, 297, 68}));
    EXPECT_EQ(t[9], (std::array{297, 68, 303, 68}));   // an empty text: 6 wide, one line high
}

TEST_F(Frame, CentredRightAlignedAndAdvancingTexts)
{
    page.EcritCentre(10, 1, 110, QStringLiteral("abcd"));    // 100 − 32 = 68, half 34
    page.EcritCentre(10, 2, 35, QStringLiteral("abcde"));    // 25 − 40 = −15, half −7 (truncated)
    page.EcritADroite(100, 3, QStringLiteral("abc"));
    page.X = 10;
    page.EcritEtAvance(4, QStringLiteral("ab"));
    page.EcritEtAvance(4, QStringLiteral("cde"));
    EXPECT_EQ(ecrits(), (Ecrits{{44, 1, "abcd"}, {3, 2, "abcde"}, {76, 3, "abc"}, {10, 4, "ab"}, {26, 4, "cde"}}));
    EXPECT_EQ(page.X, 50);
}

TEST_F(Frame, LegendAndValueCentreTheNarrowerOnTheWider)
{
    page.X = page.Y = 0;
    // Legend wider: the value's box is centred under it.
    page.LegendeEtTexte(100, 50, QStringLiteral("x"), QStringLiteral("ABCD"), true, true);
    EXPECT_EQ(ecrits(), (Ecrits{{100, 50, "ABCD"}, {110, 70, "x"}}));   // (32 − 8 − 3) div 2 = 10; 50 + 16 + 4
    EXPECT_EQ(page.X, 132);
    EXPECT_EQ(page.Y, 86);
    // Value wider: the legend is centred over it; only x is asked for.
    canevas.traces.clear();
    page.LegendeEtTexte(200, 50, QStringLiteral("abcd"), QStringLiteral("A"), true, false);
    EXPECT_EQ(ecrits(), (Ecrits{{213, 50, "A"}, {200, 70, "abcd"}}));   // (32 + 3 − 8) div 2 = 13
    EXPECT_EQ(page.X, 235);
    EXPECT_EQ(page.Y, 86);
    // Neither.
    page.LegendeEtTexte(300, 50, QStringLiteral("abcd"), QStringLiteral("A"), false, false);
    EXPECT_EQ(page.X, 235);
}

TEST_F(Frame, RowOfPairsSpreadsEvenGapsRoundedHalfToEven)
{
    // Three pairs 16 wide (legend "AB", value "x" + 3), 48 in all.
    struct Cas {
        int x2;
        std::array<int, 3> positions;
    } cas[] = {
        {100, {10, 47, 84}},   // gaps of 21
        {59, {10, 26, 43}},    // gaps of 0.5: 26.5 goes down to 26
        {57, {10, 26, 41}},    // gaps of −0.5: 25.5 goes up to 26
        {40, {10, 17, 24}},    // gaps of −9: the pairs overlap evenly, the first still at x1
    };
    for (const auto& c : cas) {
        canevas.traces.clear();
        page.LigneDeLegendes(10, 30, c.x2, {"AB", "CD", "EF"}, {"x", "y", "z"});
        const auto t = canevas.textes();
        ASSERT_EQ(t.size(), 6);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(t[2 * i].x1, c.positions[std::size_t(i)]) << c.x2 << " pair " << i;
            EXPECT_EQ(t[2 * i + 1].x1, c.positions[std::size_t(i)] + 2) << c.x2 << " pair " << i;
        }
    }
    EXPECT_EQ(page.Y, 10);   // left alone
    EXPECT_EQ(page.HauteurPaire(), 16 + 4 + 16);
}

TEST_F(Frame, AbilityBoxCentresLegendAndValue)
{
    page.CaseCaracteristique(100, 40, QStringLiteral(" 17 "), QStringLiteral("Force"));
    EXPECT_EQ(ecrits(), (Ecrits{{80, 40, "Force"}, {84, 60, " 17 "}}));
}

TEST_F(Frame, ParagraphCutsAtEverySpace)
{
    page.Y = 100;
    page.EcritParagraphe(10, 500, QStringLiteral("ab  cd"));
    EXPECT_EQ(ecrits(), (Ecrits{{10, 100, "ab "}, {34, 100, " "}, {42, 100, "cd"}}));
    EXPECT_EQ(page.Y, 100);
}

// A word that ends exactly at the column's edge stays on the line, whether
// it takes its space with it or is the last one; an edge one short breaks.
TEST_F(Frame, ParagraphExactFitStaysOnTheLine)
{
    struct Cas {
        int xmax;
        const char* texte;
        Ecrits attendus;
        int y;
    } cas[] = {
        // "ab " is 24 wide from 10: it ends at 34, then the empty rest.
        {34, "ab ", {{10, 100, "ab "}, {34, 100, ""}}, 100},
        {33, "ab ", {{10, 100, "ab"}, {10, 116, ""}}, 116},
        // The last word "cd" (16) from 34 ends at 50.
        {50, "ab cd", {{10, 100, "ab "}, {34, 100, "cd"}}, 100},
        {49, "ab cd", {{10, 100, "ab "}, {10, 116, "cd"}}, 116},
    };
    for (const Cas& c : cas) {
        canevas.traces.clear();
        page.Y = 100;
        page.EcritParagraphe(10, c.xmax, QString::fromUtf8(c.texte));
        EXPECT_EQ(ecrits(), c.attendus) << c.xmax << " " << c.texte;
        EXPECT_EQ(page.Y, c.y) << c.xmax << " " << c.texte;
    }
}

TEST_F(Frame, ParagraphBreaksWithoutTheSpaceWhenOnlyTheWordFits)
{
    page.Y = 100;
    page.EcritParagraphe(10, 26, QStringLiteral("ab cd"));
    EXPECT_EQ(ecrits(), (Ecrits{{10, 100, "ab"}, {10, 116, "cd"}}));
    EXPECT_EQ(page.Y, 116);
}

TEST_F(Frame, ParagraphPutsAWordTooWideOnALineOfItsOwn)
{
    page.Y = 100;
    page.EcritParagraphe(10, 30, QStringLiteral("a abcde fg"));
    // "a " fits; "abcde" fits nowhere: a new line, written whole; "fg" then
    // goes below it.
    EXPECT_EQ(ecrits(), (Ecrits{{10, 100, "a "}, {10, 116, "abcde "}, {10, 132, "fg"}}));
    EXPECT_EQ(page.Y, 132);
}

TEST_F(Frame, CellsWrapByChunksAndMeasureWhatTheyDraw)
{
    // Column 0..40: "ab " fits, "ab cd " (48) does not, "cd ef" (40) does.
    EXPECT_EQ(page.CelluleAGauche(0, 100, 40, QStringLiteral("ab cd ef")), 2 * 16 + 4);
    EXPECT_EQ(ecrits(), (Ecrits{{0, 100, "ab "}, {0, 116, "cd ef"}}));
    EXPECT_EQ(page.HauteurCellule(0, 40, QStringLiteral("ab cd ef")), 36);

    canevas.traces.clear();
    EXPECT_EQ(page.CelluleCentree(0, 100, 40, QStringLiteral("ab")), 16 + 4);
    EXPECT_EQ(ecrits(), (Ecrits{{12, 100, "ab"}}));

    // A first word wider than the column: an empty line, then the word.
    canevas.traces.clear();
    EXPECT_EQ(page.CelluleCentree(10, 100, 30, QStringLiteral("abcdef")), 2 * 16 + 4);
    EXPECT_EQ(ecrits(), (Ecrits{{20, 100, ""}, {-4, 116, "abcdef"}}));
    EXPECT_EQ(page.HauteurCellule(10, 30, QStringLiteral("abcdef")), 36);

    canevas.traces.clear();
    EXPECT_EQ(page.HauteurCellule(10, 30, QString()), 4);
    EXPECT_EQ(page.CelluleAGauche(10, 100, 30, QString()), 4);
    EXPECT_TRUE(canevas.textes().isEmpty());
}

TEST_F(Frame, ACellThatJustHoldsStaysOnOneLine)
{
    // "ab cd" is 40 wide, "ab cd ef" 64: a column as wide as the whole text
    // keeps it on one line, one pixel narrower cuts it.
    struct Cas {
        int x2;
        QString texte;
        int hauteur;
        Ecrits ecrits;
    };
    const Cas cas[] = {
        {40, "ab cd", 16 + 4, {{0, 100, "ab cd"}}},
        {39, "ab cd", 2 * 16 + 4, {{0, 100, "ab "}, {0, 116, "cd"}}},
        {64, "ab cd ef", 16 + 4, {{0, 100, "ab cd ef"}}},
        {63, "ab cd ef", 2 * 16 + 4, {{0, 100, "ab cd "}, {0, 116, "ef"}}},
        {16, "abc", 2 * 16 + 4, {{0, 100, ""}, {0, 116, "abc"}}},
    };
    for (const Cas& c : cas) {
        canevas.traces.clear();
        EXPECT_EQ(page.CelluleAGauche(0, 100, c.x2, c.texte), c.hauteur) << c.x2 << " " << c.texte.toStdString();
        EXPECT_EQ(ecrits(), c.ecrits) << c.x2 << " " << c.texte.toStdString();
        EXPECT_EQ(page.HauteurCellule(0, c.x2, c.texte), c.hauteur) << c.x2 << " " << c.texte.toStdString();
    }
}

}
