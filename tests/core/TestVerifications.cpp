#include "Verifications.h"

#include <gtest/gtest.h>

namespace {

Personnage complet()
{
    Personnage p;
    p.force = "12"; p.intelligence = "13"; p.sagesse = "14"; p.dexterite = "15";
    p.constitution = "16"; p.charisme = "10"; p.beaute = "9";
    p.race = "Humain"; p.classe = "Guerrier"; p.sexe = "Masculin"; p.alignement = "Loyal Bon";
    p.niveaux = {"3", "", ""};
    return p;
}

QString saisie(const Personnage& p)
{
    QString m;
    const bool bon = Verifications::VerifieSaisie(p, m);
    EXPECT_EQ(bon, m.isEmpty());
    return m;
}

}

TEST(VerifieSaisie, ToutVideDonneLesMessagesDansLOrdre)
{
    EXPECT_EQ(saisie(Personnage{}),
              "Force incorrecte Intelligence incorrecte Sagesse incorrecte Dextérité incorrecte "
              "Constitution incorrecte Charisme incorrect Beauté incorrecte Race incorrecte "
              "Classe incorrecte Sexe incorrect Alignement incorrect ");
    EXPECT_EQ(saisie(complet()), "");
}

TEST(VerifieSaisie, ForceEtExtra)
{
    struct Cas { const char* classe; const char* force; const char* extra; const char* message; };
    const Cas cas[] = {
        {"Guerrier", "18", "", "Extra incorrect "},
        {"Guerrier", "18", "101", "Extra incorrect "},
        {"Guerrier", "18", "100", ""},
        {"Clerc-Ranger", "18", "1", ""},
        {"Mage", "18", "", ""},               // Extra not looked at
        {"Guerrier", "018", "", ""},          // only the text "18" calls for Extra
        {"Guerrier", "26", "50", "Force incorrecte "},
        {"Guerrier", "", "", "Force incorrecte "},
    };
    for (const Cas& c : cas) {
        Personnage p = complet();
        p.classe = c.classe;
        p.force = c.force;
        p.extra = c.extra;
        p.niveaux = {"3", "3", ""};
        EXPECT_EQ(saisie(p), c.message) << c.classe << " " << c.force << " " << c.extra;
    }
}

TEST(VerifieSaisie, NiveauxLusNonSignes)
{
    struct Cas { const char* classe; const char* n1; const char* n2; bool bon; };
    const Cas cas[] = {
        {"Guerrier-Mage", "5", "21", false},
        {"Guerrier-Mage", "5", "", false},
        {"Guerrier-Mage", "5", "0", true},
        {"Guerrier-Mage", "-1", "5", false},
        {"Guerrier-Mage", "20", "20", true},
        {"Voleur-Illusioniste", "21", "99", false},   // one message for all groups
    };
    for (const Cas& c : cas) {
        Personnage p = complet();
        p.classe = c.classe;
        p.niveaux = {c.n1, c.n2, ""};
        EXPECT_EQ(saisie(p), c.bon ? "" : "Niveau incorrect (doit être entre 1 et 20) ") << c.n1 << "/" << c.n2;
        if (QString(c.n2) == "0") {
            QString m;
            EXPECT_TRUE(p.VerifieNiveaux(m));
        }
    }
}

TEST(ChecksDesCommandes, MessagesDansLOrdre)
{
    Personnage vide;
    QString m;
    EXPECT_FALSE(Verifications::AvantCompetences(vide, m));
    EXPECT_EQ(m, "Classe incorrecte Intelligence incorrecte ");

    m.clear();
    EXPECT_FALSE(Verifications::AvantArmes(vide, m));
    EXPECT_EQ(m, "Classe incorrecte ");

    m.clear();
    EXPECT_FALSE(Verifications::AvantTalents(vide, m));
    EXPECT_EQ(m, "Dextérité incorrecte Race incorrecte ");

    m.clear();
    EXPECT_FALSE(Verifications::AvantNotes(vide, m));
    EXPECT_EQ(m, "Sagesse incorrecte Race incorrecte Classe incorrecte ");

    // The notes ask for no level; the others check the levels of the class.
    Personnage p = complet();
    p.niveaux = {"", "", ""};
    m.clear();
    EXPECT_TRUE(Verifications::AvantNotes(p, m));
    EXPECT_FALSE(Verifications::AvantArmes(p, m));
    EXPECT_EQ(m, "Niveau incorrect (doit être entre 1 et 20) ");
}

TEST(ChecksDesCommandes, UnBlancSuffitPourUnChampNonVide)
{
    Personnage p = complet();
    p.dexterite = " ";
    QString m;
    EXPECT_TRUE(Verifications::AvantTalents(p, m));
    EXPECT_EQ(saisie(p), "Dextérité incorrecte ");
}
