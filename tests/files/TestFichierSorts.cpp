#include "FichierSorts.h"

#include "Fichiers.h"

#include <gtest/gtest.h>

TEST(FichierSorts, LitNeufNiveauxEtIgnoreLaSuite)
{
    // Level 2 empty, a record of level 9 ("Souhait"), then stray lines
    // after the ninth "***".
    const ListeTexte fichier(lignesUtf8({"Sommeil&1", "Bouclier&1", "***", "***", "Boule de feu&3", "***", "***", "***",
                                      "***", "***", "***", "Souhait&3", "***", "Après&1", "***", "Encore"}));
    CatalogueSorts c;
    LitCatalogue(fichier, c);
    EXPECT_EQ(c[0], lignesUtf8({"Sommeil&1", "Bouclier&1"}));   // the file's order
    EXPECT_TRUE(c[1].isEmpty());
    EXPECT_EQ(c[2], lignesUtf8({"Boule de feu&3"}));
    EXPECT_EQ(c[8], lignesUtf8({"Souhait&3"}));
    for (std::size_t i : {3u, 4u, 5u, 6u, 7u})
        EXPECT_TRUE(c[i].isEmpty()) << i;

    // Written back: each level then "***", nothing of the stray lines.
    EXPECT_EQ(EcritCatalogue(c).lignes(), fichier.lignes().mid(0, 13));
}

TEST(FichierSorts, FichierTropCourtGardeCeQuiEstLu)
{
    struct Cas {
        QStringList lignes;
        std::size_t niveauDuDernier;   // level holding "Dernier"
    };
    const Cas cas[] = {
        {lignesUtf8({"Un&1", "Dernier&1"}), 0},                               // no "***" at all
        {lignesUtf8({"Un&1", "***", "***", "Dernier&1", "***"}), 2},          // three levels
        {lignesUtf8({"Un&1", "***", "***", "***", "***", "***", "***", "***", "***", "Dernier&1"}), 8},
    };
    for (const Cas& c : cas) {
        CatalogueSorts catalogue;
        EXPECT_EQ(echecDe([&] { LitCatalogue(ListeTexte(c.lignes), catalogue); }), "Index liste hors bornes");
        EXPECT_EQ(catalogue[0].first(), "Un&1");
        EXPECT_EQ(catalogue[c.niveauDuDernier].last(), "Dernier&1");
    }
}

// A spell file read by name: each level in the order of the lists, also
// when the file is cut short; a file that cannot be read changes nothing.
TEST(FichierSorts, ChargeParNomDansLOrdreDesListes)
{
    DossierTemporaire dossier;
    CatalogueSorts c;
    c[0] = lignesUtf8({"Avant&1"});
    const QString absent = dossier.chemin("absent.mag");
    EXPECT_EQ(echecDe([&] { ChargeCatalogue(absent, c); }), "Ne peut ouvrir le fichier " + absent);
    EXPECT_EQ(c[0], lignesUtf8({"Avant&1"}));

    ListeTexte(lignesUtf8({"sommeil&1", "Bouclier&1", "Éclair&1", "***", "***", "Zèbre&3", "Abri&3"}))
        .sauve(dossier.chemin("coupe.mag"));
    EXPECT_EQ(echecDe([&] { ChargeCatalogue(dossier.chemin("coupe.mag"), c); }), "Index liste hors bornes");
    EXPECT_EQ(c[0], lignesUtf8({"Bouclier&1", "Éclair&1", "sommeil&1"}));
    EXPECT_TRUE(c[1].isEmpty());
    EXPECT_EQ(c[2], lignesUtf8({"Abri&3", "Zèbre&3"}));
}
