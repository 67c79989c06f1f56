#include "Exemples.h"
#include "Pages.h"

#include <gtest/gtest.h>

namespace {

using Traits = QList<std::array<int, 4>>;

TEST(DessinePossessions, PreviewFormHasItsRulesAtTheMiddle)
{
    CanevasEnregistreur c;
    PageDeDessin page(c, 755, 1250);
    DonneesImpression d = donneesGuerrier();
    DessinePossessions(page, d);

    ASSERT_EQ(c.traces.first().genre, CanevasEnregistreur::Genre::Rectangle);   // cleared first
    // Times New Roman 10 bold: u = 20, the title rule at 10 + 20 + 10.
    Traits traits;
    for (const auto& t : c.traits())
        traits.append({t.x1, t.y1, t.x2, t.y2});
    EXPECT_EQ(traits, (Traits{{10, 40, 745, 40}, {377, 40, 377, 625}, {10, 625, 745, 625}}));
    EXPECT_EQ(position(c, "Possessions de Arthur"), std::pair(272, 10));   // (755 − 210) div 2
    EXPECT_EQ(position(c, "Normal"), std::pair(158, 60));
    EXPECT_EQ(position(c, "Magique"), std::pair(531, 60));
    EXPECT_EQ(position(c, "Notes"), std::pair(352, 645));
    for (const auto& t : c.textes()) {
        EXPECT_EQ(t.police, TimesNewRoman);
        EXPECT_EQ(t.taille, 10);
        EXPECT_EQ(t.style, Gras);
    }
}

TEST(DessinePossessions, EmptyNameLeavesTheTitleAloneCentred)
{
    CanevasEnregistreur c;
    PageDeDessin page(c, 1000, 800);
    DonneesImpression d = donneesGuerrier();
    d.Perso.nom.clear();
    DessinePossessions(page, d);
    EXPECT_EQ(position(c, "Possessions de "), std::pair(425, 10));
    EXPECT_EQ(c.traits()[2].y1, 400);
    EXPECT_EQ(c.traits()[1].x1, 500);
}

}
