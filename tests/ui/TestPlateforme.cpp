#include "Echec.h"
#include "PlateformeScriptee.h"

#include <gtest/gtest.h>

TEST(ExecuteCommande, UnEchecFiniLaCommandeDansUneBoiteErreur)
{
    auto& p = PlateformeScriptee::remiseAZero();
    int fait = 0;
    ExecuteCommande([&] {
        ++fait;
        throw Echec(Messages::nePeutOuvrir("/donnees/XP.dat"));
    });
    ExecuteCommande([&] { ++fait; });
    EXPECT_EQ(fait, 2);
    ASSERT_EQ(p.boites.size(), 1u);
    EXPECT_EQ(p.boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(p.boites[0].texte, QStringLiteral("Ne peut ouvrir le fichier /donnees/XP.dat"));
}

TEST(Plateforme, TitresEtLibelles)
{
    EXPECT_EQ(titreDe(GenreBoite::Confirmation), "Confirmation");
    EXPECT_EQ(titreDe(GenreBoite::Erreur), "Erreur");
    EXPECT_EQ(libelleDe(Bouton::Oui), "&Oui");
    EXPECT_EQ(libelleDe(Bouton::Annuler), "Annuler");
}
