#include "Champs.h"

#include <gtest/gtest.h>

TEST(Champs, Extracteurs)
{
    struct Cas {
        const char* ligne;
        const char* c1; const char* c2; const char* c3; const char* c6;
        const char* d2; const char* d6; const char* d7;
    };
    const Cas cas[] = {
        {"sans", "", "", "", "", "sans", "sans", "sans"},
        {"a&b", "a", "", "", "", "b", "b", "b"},
        {"a&&c&", "a", "", "c", "", "&c&", "", ""},
        {"1&2&3", "1", "2", "", "", "2&3", "3", "3"},
        {"1&2&3&4&555&6&7", "1", "2", "3", "6", "2&3&4&555&6&7", "6&7", "7"},
        {"1&2&3&4&5&6", "1", "2", "3", "", "2&3&4&5&6", "6", "6"},
        {" a &b ", " a ", "", "", "", "b ", "b ", "b "},
    };
    for (const Cas& c : cas) {
        const QString l = QString::fromUtf8(c.ligne);
        SCOPED_TRACE(c.ligne);
        EXPECT_EQ(Champ1(l), c.c1);
        EXPECT_EQ(Champ2(l), c.c2);
        EXPECT_EQ(Champ3(l), c.c3);
        EXPECT_EQ(Champ6(l), c.c6);
        EXPECT_EQ(ChampsDepuis2(l), c.d2);
        EXPECT_EQ(ChampsDepuis6(l), c.d6);
        EXPECT_EQ(ChampsDepuis7(l), c.d7);
    }
    EXPECT_EQ(Champ4("a&b&c&d&e"), "d");
    EXPECT_EQ(Champ5("a&b&c&d&e&f"), "e");
    EXPECT_EQ(Champ5("a&b&c&d&e"), "");
}

TEST(Champs, EntierOuDefaut)
{
    struct Cas { const char* texte; int valeur; };
    const Cas cas[] = {
        {"12", 12}, {" 12", 12}, {"   -3", -3}, {"+7", 7}, {"-0", 0}, {"018", 18},
        {"$1F", 31}, {"$1f", 31}, {"-$10", -16}, {"$FFFFFFFF", -1},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"12 ", -32767}, {"", -32767}, {" ", -32767}, {"abc", -32767}, {"1.5", -32767},
        {"+", -32767}, {"$", -32767}, {"1 2", -32767}, {"99999999999", -32767},
        {"2147483648", -32767}, {"$100000000", -32767}, {"$G", -32767}, {"\t12", -32767},
        {"-32767", -32767}, {"١٢", -32767},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(EntierOuDefaut(QString::fromUtf8(c.texte)), c.valeur) << c.texte;
    EXPECT_EQ(EntierOuDefaut(QString(500, u'9')), -32767);
}

TEST(Champs, EstEntierEntreEtBornes)
{
    EXPECT_TRUE(EstEntierEntre("1", 1, 25));
    EXPECT_TRUE(EstEntierEntre("25", 1, 25));
    EXPECT_FALSE(EstEntierEntre("26", 1, 25));
    EXPECT_FALSE(EstEntierEntre("0", 1, 25));
    EXPECT_TRUE(EstEntierEntre("", -40000, 40000));   // no number reads -32767, within these bounds
    EXPECT_TRUE(EstEntierEntre("x", -32767, 0));
    EXPECT_EQ(PlusGrand(3, -4), 3);
    EXPECT_EQ(PlusPetit(3, -4), -4);
}

TEST(Champs, TexteIlReste)
{
    EXPECT_EQ(TexteIlReste(2), "Il reste 2 points");
    EXPECT_EQ(TexteIlReste(1), "Il reste 1 point");
    EXPECT_EQ(TexteIlReste(0), "Il reste 0 point");
    EXPECT_EQ(TexteIlReste(-3), "Il reste -3 point");
}

TEST(Champs, ChanceApprendreSort)
{
    const int attendu[] = {0, 35, 40, 45, 50, 55, 60, 65, 70, 75, 85, 95, 96, 97, 98, 99, 100, 100, 0};
    for (int i = 8; i <= 26; ++i)
        EXPECT_EQ(ChanceApprendreSort(i), attendu[i - 8]) << i;
    EXPECT_EQ(ChanceApprendreSort(-32767), 0);
}
