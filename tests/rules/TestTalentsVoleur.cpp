#include "TalentsVoleur.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

Personnage voleur(const QString& race, const QString& dexterite, const QString& classe, const QStringList& niveaux)
{
    Personnage p;
    p.race = race;
    p.dexterite = dexterite;
    p.classe = classe;
    for (qsizetype k = 0; k < niveaux.size(); ++k)
        p.niveaux[static_cast<std::size_t>(k)] = niveaux[k];
    return p;
}

}

TEST(TalentsVoleur, LibellesEtBasesDansLOrdreFixe)
{
    QStringList libelles, imprimes;
    ValeursTalentsVoleur bases{};
    for (std::size_t i = 0; i < NombreTalentsVoleur; ++i) {
        libelles.append(TalentsDeVoleur()[i].libelle);
        imprimes.append(TalentsDeVoleur()[i].libelleImprime);
        bases[i] = TalentsDeVoleur()[i].base;
    }
    EXPECT_EQ(libelles, (QStringList{"Pickpocket", "Crocheter des serrures", "Trouver/désamorcer des pièges",
                                     "Se déplacer silencieusement", "Se cacher dans l'ombre", "Détecter des bruits",
                                     "Grimper", "Lire des langues inconnues"}));
    EXPECT_EQ(imprimes, (QStringList{"Pickpocket", "Serrures", "Pièges", "Déplacement silencieux",
                                     "Se cacher dans l'ombre", "Ecouter", "Grimper", "Lire des langues inconnues"}));
    EXPECT_EQ(bases, (ValeursTalentsVoleur{15, 10, 5, 10, 5, 15, 60, 0}));
}

// Dextérité 14 adds nothing: the bases plus the racial adjustments.
TEST(TalentsVoleur, AjustementsRaciaux)
{
    const struct {
        const char* race;
        ValeursTalentsVoleur attendu;
    } cas[] = {
        {"Humain", {15, 10, 5, 10, 5, 15, 60, 0}},
        {"Demi-Elfe", {25, 10, 5, 10, 10, 15, 60, 0}},
        {"Elfe", {20, 5, 5, 15, 15, 20, 60, 0}},
        {"Gnome", {15, 15, 15, 15, 5, 25, 45, 0}},
        {"Nain", {15, 20, 20, 10, 10, 15, 50, -5}},
        {"Hobbit", {20, 15, 10, 20, 15, 20, 45, -5}},
        // Compared exactly: anything else is adjusted like a human.
        {"", {15, 10, 5, 10, 5, 15, 60, 0}},
        {"hobbit", {15, 10, 5, 10, 5, 15, 60, 0}},
        {"Elfe ", {15, 10, 5, 10, 5, 15, 60, 0}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(BasesTalentsVoleur(c.race, "14"), c.attendu) << c.race;
}

// Each row of the Dextérité table at both of its ends, and the scores
// outside it; skills 6 to 8 never move.
TEST(TalentsVoleur, AjustementsDeDexterite)
{
    const struct {
        const char* dexterite;
        std::array<int, 5> ajustement;
    } cas[] = {
        {"0", {0, 0, 0, 0, 0}},
        {"1", {-15, -10, -10, -20, -10}},
        {"9", {-15, -10, -10, -20, -10}},
        {"10", {-10, -5, -10, -15, -5}},
        {"11", {-5, 0, -5, -10, 0}},
        {"12", {0, 0, 0, -5, 0}},
        {"13", {0, 0, 0, 0, 0}},
        {"15", {0, 0, 0, 0, 0}},
        {"16", {0, 5, 0, 0, 0}},
        {"17", {5, 10, 0, 5, 5}},
        {"18", {10, 15, 5, 10, 10}},
        {"19", {15, 20, 10, 15, 15}},
        {"25", {15, 20, 10, 15, 15}},
        {"26", {0, 0, 0, 0, 0}},
        {"-5", {0, 0, 0, 0, 0}},
        {"abc", {0, 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0}},
        {"18 ", {0, 0, 0, 0, 0}},            // not a number
        {" 18", {10, 15, 5, 10, 10}},        // a leading blank is read past
        {"$12", {10, 15, 5, 10, 10}},        // hexadecimal 18
    };
    const ValeursTalentsVoleur humain = {15, 10, 5, 10, 5, 15, 60, 0};
    for (const auto& c : cas) {
        ValeursTalentsVoleur attendu = humain;
        for (std::size_t i = 0; i < 5; ++i)
            attendu[i] += c.ajustement[i];
        EXPECT_EQ(BasesTalentsVoleur("Humain", c.dexterite), attendu) << '"' << c.dexterite << '"';
    }
}

TEST(TalentsVoleur, RaceEtDexteriteSAjoutent)
{
    EXPECT_EQ(BasesTalentsVoleur("Hobbit", "18"), (ValeursTalentsVoleur{30, 30, 15, 30, 25, 20, 45, -5}));
    EXPECT_EQ(BasesTalentsVoleur("Nain", "9"), (ValeursTalentsVoleur{0, 10, 10, -10, 0, 15, 50, -5}));
    EXPECT_EQ(BasesTalentsVoleur("Elfe", "10"), (ValeursTalentsVoleur{10, 0, -5, 0, 10, 20, 60, 0}));
}

TEST(TalentsVoleur, PointsSoixanteAuNiveauUnPuisTrenteParNiveau)
{
    ValeursTalentsVoleur talents{};
    EXPECT_EQ(CalculeTalentsVoleur(voleur("Humain", "14", "Voleur", {"1"}), true, talents), 60);
    EXPECT_EQ(talents, (ValeursTalentsVoleur{15, 10, 5, 10, 5, 15, 60, 0}));
    EXPECT_EQ(CalculeTalentsVoleur(voleur("Humain", "14", "Voleur", {"3"}), true, talents), 120);
    EXPECT_EQ(CalculeTalentsVoleur(voleur("Humain", "14", "Voleur", {"20"}), true, talents), 630);
    // The thief's own level, wherever it stands in the class name.
    EXPECT_EQ(CalculeTalentsVoleur(voleur("Humain", "14", "Guerrier-Mage-Voleur", {"9", "7", "4"}), true, talents), 150);
    EXPECT_EQ(CalculeTalentsVoleur(voleur("Humain", "14", "Voleur-Illusioniste", {"2", "6"}), true, talents), 90);
}

TEST(TalentsVoleur, ValeursGardeesEtPointsSelonLesBasesDuMoment)
{
    const ValeursTalentsVoleur bases16 = {15, 15, 5, 10, 5, 15, 60, 0};
    ValeursTalentsVoleur talents = {99, 99, 99, 99, 99, 99, 99, 99};
    // Rebuilt from the bases while the flag is set.
    EXPECT_EQ(CalculeTalentsVoleur(voleur("Humain", "16", "Voleur", {"1"}), true, talents), 60);
    EXPECT_EQ(talents, bases16);

    // Pickpocket raised by 5 spends 5 points; Grimper lowered by 3 gives 3 back.
    talents[0] += 5;
    talents[6] -= 3;
    const ValeursTalentsVoleur gardes = talents;
    EXPECT_EQ(CalculeTalentsVoleur(voleur("Humain", "16", "Voleur", {"1"}), false, talents), 58);
    EXPECT_EQ(talents, gardes);

    // Dextérité 17 raises the bases of skills 1, 2, 4 and 5 by 5 each: the
    // stored values stay, the points left grow by 20.
    EXPECT_EQ(CalculeTalentsVoleur(voleur("Humain", "17", "Voleur", {"1"}), false, talents), 78);
    EXPECT_EQ(talents, gardes);
    // So does a change of race.
    EXPECT_EQ(CalculeTalentsVoleur(voleur("Nain", "16", "Voleur", {"1"}), false, talents), 73);
    EXPECT_EQ(talents, gardes);
}

TEST(TalentsVoleur, ValeursStockeesHorsLimitesComptentSansDebordement)
{
    constexpr int max = std::numeric_limits<int>::max();
    constexpr int min = std::numeric_limits<int>::min();
    ValeursTalentsVoleur talents = {max, max, max, max, max, max, max, max};
    const Personnage p = voleur("Humain", "14", "Voleur", {"1"});
    EXPECT_EQ(CalculeTalentsVoleur(p, false, talents), 60 - 8 * qint64{max} + (15 + 10 + 5 + 10 + 5 + 15 + 60 + 0));
    talents.fill(min);
    EXPECT_EQ(CalculeTalentsVoleur(p, false, talents), 60 - 8 * qint64{min} + 120);
    EXPECT_EQ(talents[0], min);
}

TEST(TalentsVoleur, TexteDesPointsRestants)
{
    const struct {
        qint64 points;
        const char* texte;
    } cas[] = {
        {120, "Il reste 120 points"},
        {2, "Il reste 2 points"},
        {1, "Il reste 1 point"},
        {0, "Il reste 0 point"},
        {-3, "Il reste -3 point"},
        {3'000'000'000, "Il reste 3000000000 points"},
        {-17'179'869'064, "Il reste -17179869064 point"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(TexteTalentsRestants(c.points), c.texte);
}
