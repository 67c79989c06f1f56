#include "Echec.h"
#include "PlateformeScriptee.h"

#include <QTest>
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

TEST(Plateforme, FiltresDesDialoguesDeFichiers)
{
    struct Cas {
        const char* filtre;
        QStringList attendu;
    };
    const Cas cas[] = {
        {"Fichiers Sorts de Mage|*.mag|Tous Fichiers|*.*", {"Fichiers Sorts de Mage (*.mag)", "Tous Fichiers (*)"}},
        {"Fichier Personnage de Vardel (*.vdl)|*.vdl", {"Fichier Personnage de Vardel (*.vdl)"}},
        {"Textes|*.txt;*.dat", {"Textes (*.txt *.dat)"}},
        {"", {}},
        {"Description sans motif", {}},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(filtresDeDialogue(QString::fromUtf8(c.filtre)), c.attendu) << c.filtre;
}
