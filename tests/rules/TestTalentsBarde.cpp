#include "TalentsBarde.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

Personnage barde(const QString& race, const QString& dexterite, const QString& niveau)
{
    Personnage p;
    p.race = race;
    p.dexterite = dexterite;
    p.classe = "Barde";
    p.niveaux[0] = niveau;
    return p;
}

}

TEST(TalentsBarde, LibellesEtBases)
{
    QStringList libelles;
    ValeursTalentsBarde bases{};
    for (std::size_t i = 0; i < NombreTalentsBarde; ++i) {
        libelles.append(TalentsDeBarde()[i].libelle);
        bases[i] = TalentsDeBarde()[i].base;
    }
    EXPECT_EQ(libelles, (QStringList{"Grimper", "Détecter des bruits", "Pickpocket", "Lire des langues inconnues"}));
    EXPECT_EQ(bases, (ValeursTalentsBarde{50, 20, 10, 5}));
}

TEST(TalentsBarde, AjustementsRaciaux)
{
    const struct {
        const char* race;
        ValeursTalentsBarde attendu;
    } cas[] = {
        {"Humain", {50, 20, 10, 5}},
        {"Demi-Elfe", {50, 20, 20, 5}},
        {"Elfe", {50, 25, 15, 5}},
        {"Gnome", {35, 30, 10, 5}},
        {"Nain", {40, 20, 10, 0}},
        {"Hobbit", {35, 25, 15, 0}},
        {"", {50, 20, 10, 5}},
        {"nain", {50, 20, 10, 5}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(BasesTalentsBarde(c.race, "14"), c.attendu) << c.race;
}

// Only Pickpocket follows the Dextérité: each row at both ends.
TEST(TalentsBarde, AjustementDeDexteriteAuPickpocket)
{
    const struct {
        const char* dexterite;
        int pickpocket;
    } cas[] = {
        {"0", 10}, {"1", -5}, {"9", -5}, {"10", 0}, {"11", 5}, {"12", 10}, {"16", 10}, {"17", 15},
        {"18", 20}, {"19", 25}, {"25", 25}, {"26", 10}, {"-1", 10}, {"abc", 10}, {"", 10},
    };
    for (const auto& c : cas)
        EXPECT_EQ(BasesTalentsBarde("Humain", c.dexterite), (ValeursTalentsBarde{50, 20, c.pickpocket, 5}))
            << '"' << c.dexterite << '"';
    EXPECT_EQ(BasesTalentsBarde("Hobbit", "19"), (ValeursTalentsBarde{35, 25, 30, 0}));
    EXPECT_EQ(BasesTalentsBarde("Demi-Elfe", "9"), (ValeursTalentsBarde{50, 20, 5, 5}));
}

TEST(TalentsBarde, VingtPointsAuNiveauUnPuisQuinzeParNiveau)
{
    const struct {
        const char* niveau;
        qint64 points;
    } cas[] = {{"1", 20}, {"2", 35}, {"4", 65}, {"20", 305}};
    for (const auto& c : cas) {
        const ChoixTalentsBarde choix = CalculeTalentsBarde(barde("Humain", "14", c.niveau));
        EXPECT_EQ(choix.PointsTalents, c.points) << c.niveau;
        EXPECT_EQ(choix.TalentsBarde, (ValeursTalentsBarde{50, 20, 10, 5}));
    }
    EXPECT_EQ(CalculeTalentsBarde(barde("Hobbit", "19", "3")), (ChoixTalentsBarde{{35, 25, 30, 0}, 50}));
    // Whatever the level field holds, the count cannot overflow.
    EXPECT_EQ(PointsTalentsBarde(std::numeric_limits<int>::min()), 20 + 15 * (qint64{std::numeric_limits<int>::min()} - 1));
}

TEST(TalentsBarde, ToujoursAuPluriel)
{
    EXPECT_EQ(TexteIlResteBarde(20), "Il reste 20 points");
    EXPECT_EQ(TexteIlResteBarde(1), "Il reste 1 points");
    EXPECT_EQ(TexteIlResteBarde(0), "Il reste 0 points");
    EXPECT_EQ(TexteIlResteBarde(-2), "Il reste -2 points");
}
