#include "Collation.h"

#include <gtest/gtest.h>

TEST(Collation, CasseEtAccentsParmiLesLettresDeBase)
{
    QStringList lignes = {"Épée longue&5", "arc long&8", "Ecu&1", "Arbalète lourde&10", "Œil&1", "oeuf&2", "Zèbre", "ébène"};
    Collation::trie(lignes);
    EXPECT_EQ(lignes, (QStringList{"Arbalète lourde&10", "arc long&8", "ébène", "Ecu&1", "Épée longue&5", "Œil&1", "oeuf&2", "Zèbre"}));
}

TEST(Collation, OrdreTotalEtStable)
{
    // Lines equal but for case or accents still have one fixed order.
    EXPECT_LT(Collation::compare("Abc", "abc"), 0);
    EXPECT_GT(Collation::compare("abc", "Abc"), 0);
    EXPECT_EQ(Collation::compare("abc", "abc"), 0);
    EXPECT_LT(Collation::compare("ecu", "écu"), 0);
    // The blank sorts before the field separator, as everywhere.
    EXPECT_LT(Collation::compare("Lance de joute&1", "Lance&1"), 0);
}

// Two sorted lists merged: the same order as sorting them together, and a
// line equal to one of the first list comes after it.
TEST(Collation, FusionDeDeuxListesTriees)
{
    const QStringList a = {"abc&1", "Écu", "Zèbre"};
    const QStringList b = {"abc&1", "ABC&2", "ecu", "oeuf"};
    EXPECT_EQ(Collation::fusionne(a, b), (QStringList{"abc&1", "abc&1", "ABC&2", "ecu", "Écu", "oeuf", "Zèbre"}));
    EXPECT_EQ(Collation::fusionne({}, b), b);
    EXPECT_EQ(Collation::fusionne(a, {}), a);
}
