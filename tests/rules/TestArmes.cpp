#include "Armes.h"

#include <gtest/gtest.h>

TEST(Armes, PointsRestantsEtSpecialisation)
{
    QStringList lignes;
    for (int i = 0; i < 12; ++i)
        lignes.append(QStringLiteral("Arme %1&5&1d6&1d6&-").arg(i, 2, 10, QChar('0')));

    struct Cas { QList<qsizetype> marquees; int specialisee; int reste; };
    const Cas cas[] = {
        {{}, -1, 6},
        {{0, 4, 11}, -1, 3},
        {{3}, 3, 3},          // the seven first: two more slots
        {{6}, 6, 3},
        {{7}, 7, 4},          // from the eighth on: one more
        {{10}, 10, 4},
        {{1, 10}, 10, 3},
        {{1}, 10, 5},         // the specialisation counts only when marked
        {{0, 1, 2, 3}, 2, 0},
        {{0, 1, 2, 3, 4}, 2, -1},
    };
    for (const Cas& c : cas) {
        const QString specialisation = c.specialisee < 0 ? QString() : lignes[c.specialisee];
        EXPECT_EQ(PointsRestants(6, lignes, c.marquees, specialisation), c.reste)
            << "spécialisation " << c.specialisee << ", " << c.marquees.size() << " marquées";
    }
}

TEST(Armes, Textes)
{
    const QString ligne = "Épée longue&5&1d8&1d12&-";
    EXPECT_EQ(QuestionSpecialisation(ligne), "Se spécialiser dans cette arme (Épée longue) ?");
    EXPECT_EQ(QuestionAbandonSpecialisation(ligne), "Abandonner la spécialisation dans cette arme (Épée longue) ?");
    EXPECT_EQ(NomAffiche("Épée longue", true), "S Épée longue");
    EXPECT_EQ(NomAffiche("Épée longue", false), "Épée longue");
}
