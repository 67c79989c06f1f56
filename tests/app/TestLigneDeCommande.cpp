#include "LigneDeCommande.h"

#include <gtest/gtest.h>

TEST(LigneDeCommande, DemandesEtErreurs)
{
    using D = LigneDeCommande::Demande;
    struct Cas {
        QStringList arguments;
        D demande;
        QString fichier;
        QString message;
    };
    const Cas cas[] = {
        {{}, D::Lancer, "", ""},
        {{"thorgrim.vdl"}, D::Lancer, "thorgrim.vdl", ""},
        {{"--help"}, D::Aide, "", ""},
        {{"-h"}, D::Aide, "", ""},
        {{"thorgrim.vdl", "--version"}, D::Version, "", ""},
        {{"-v"}, D::Version, "", ""},
        {{"--", "-fichier.vdl"}, D::Lancer, "-fichier.vdl", ""},   // after "--", a name
        {{"-"}, D::Lancer, "-", ""},
        {{"--aide-moi"}, D::Erreur, "", "Option inconnue : --aide-moi"},
        {{"a.vdl", "b.vdl"}, D::Erreur, "", "Un seul fichier personnage à la fois : b.vdl"},
    };
    for (const Cas& c : cas) {
        const LigneDeCommande l = LitLigneDeCommande(c.arguments);
        EXPECT_EQ(l.demande, c.demande) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(l.fichier, c.fichier) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(l.message, c.message) << c.arguments.join(' ').toStdString();
    }
    EXPECT_TRUE(TexteAide("vardel").startsWith("Utilisation : vardel [options] [--] [fichier.vdl | fichier.mag]\n"));
    EXPECT_TRUE(TexteAide("vardel").contains("  --  "));
    EXPECT_TRUE(TexteVersion().startsWith("Vardel 1."));
}
