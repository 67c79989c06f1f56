#include "Classes.h"
#include "Personnage.h"
#include "PlateformeScriptee.h"
#include "SortsDeMage.h"

#include <gtest/gtest.h>

namespace {
Personnage perso(const QString& classe, QString n1 = {}, QString n2 = {}, QString n3 = {})
{
    Personnage p;
    p.classe = classe;
    p.niveaux = {n1, n2, n3};
    return p;
}
}

TEST(Classes, ListeEtGroupes)
{
    const QStringList& liste = Classes::Liste();
    ASSERT_EQ(liste.size(), 24);
    EXPECT_EQ(liste[0], "Clerc");
    EXPECT_EQ(liste[8], "Barde");
    EXPECT_EQ(liste[20], "Voleur-Illusioniste");
    EXPECT_EQ(liste[23], "Druide-Guerrier-Mage");
    // Every class is made of single classes, no two of one group.
    for (const QString& c : liste) {
        QStringList groupes;
        for (const QString& partie : Classes::Parties(c)) {
            const QString g = GroupeDeClasse(partie);
            ASSERT_FALSE(g.isEmpty()) << c.toStdString();
            EXPECT_FALSE(groupes.contains(g)) << c.toStdString();
            groupes.append(g);
        }
    }
    EXPECT_EQ(ClassesDuGroupe(COMBATTANT), (QStringList{"Guerrier", "Paladin", "Ranger"}));
    EXPECT_EQ(ClassesDuGroupe(LARRON), (QStringList{"Voleur", "Barde"}));
}

TEST(Personnage, RecherchesParClasse)
{
    const Personnage gm = perso("Guerrier-Mage", "5");
    EXPECT_EQ(gm.NiveauParClasse("Guerrier"), 5);
    EXPECT_EQ(gm.NiveauParClasse("Mage"), -32767);
    EXPECT_EQ(gm.NiveauParClasse("Voleur"), 0);
    EXPECT_EQ(gm.NombreDeClasses(), 2);

    EXPECT_FALSE(perso("Guerrier-Illusioniste").EstDeClasse("Mage"));
    EXPECT_TRUE(perso("Druide-Guerrier-Mage").EstDeClasse("Mage"));
    EXPECT_FALSE(perso("Clerc").EstDeClasse("Cle"));
    EXPECT_FALSE(perso("Clerc").EstDeClasse("clerc"));
    EXPECT_FALSE(perso("").EstDeClasse(""));

    const Personnage gmv = perso("Guerrier-Mage-Voleur", "4", "3", "2");
    EXPECT_EQ(gmv.NiveauParGroupe(COMBATTANT), 4);
    EXPECT_EQ(gmv.NiveauParGroupe(MAGICIEN), 3);
    EXPECT_EQ(gmv.NiveauParGroupe(LARRON), 2);
    EXPECT_EQ(gmv.NiveauParGroupe(PRETRE), 0);
    EXPECT_EQ(gmv.NombreDeClasses(), 3);
}

TEST(Personnage, SansClasse)
{
    auto& p = PlateformeScriptee::remiseAZero();
    const Personnage vide = perso("", "7");
    for (const QString& g : {COMBATTANT, MAGICIEN, PRETRE, LARRON})
        EXPECT_EQ(vide.NiveauParGroupe(g), 0);
    EXPECT_EQ(vide.NombreDeClasses(), 0);
    QString messages;
    EXPECT_TRUE(vide.VerifieNiveaux(messages));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(p.boites.empty());
}

TEST(Personnage, GroupeInconnu)
{
    auto& p = PlateformeScriptee::remiseAZero();
    EXPECT_EQ(perso("Guerrier", "3").NiveauParGroupe("GENERAL"), 0);
    ASSERT_EQ(p.boites.size(), 1u);
    EXPECT_EQ(p.boites[0].texte, "Erreur dans NiveauParGroupe, Groupe inconnu : GENERAL");
    EXPECT_EQ(p.boites[0].boutons, std::vector<Bouton>{Bouton::OK});
}

TEST(Personnage, VerifieNiveaux)
{
    struct Cas { const char* classe; const char* n1; const char* n2; const char* n3; bool bon; };
    const Cas cas[] = {
        {"Guerrier", "1", "", "", true},
        {"Guerrier", "20", "", "", true},
        {"Guerrier", "21", "", "", false},
        {"Guerrier", "", "", "", false},
        {"Guerrier", "0", "", "", true},          // level 0: no class in use
        {"Guerrier-Mage", "0", "7", "", false},   // one class counted, and Niveau 1 fails
        {"Guerrier-Mage", "5", "0", "", true},
        {"Guerrier-Mage", "5", "", "", false},
        {"Guerrier-Mage-Voleur", "4", "3", "x", false},
        {"Guerrier-Mage-Voleur", "4", "3", "20", true},
    };
    for (const Cas& c : cas) {
        QString messages = "avant ";
        const bool bon = perso(c.classe, c.n1, c.n2, c.n3).VerifieNiveaux(messages);
        EXPECT_EQ(bon, c.bon) << c.classe << " " << c.n1 << "/" << c.n2 << "/" << c.n3;
        EXPECT_EQ(messages, bon ? "avant " : "avant Niveau incorrect (doit être entre 1 et 20) ");
    }
}

TEST(SortsDeMage, IndexEtPourcentage)
{
    const QStringList sorts = {"Sommeil&45", "Charme-personne&70", "Sommeil&60", "Lumière"};
    EXPECT_EQ(IndexSortDeMage(sorts, "Sommeil"), 2);
    EXPECT_EQ(IndexSortDeMage(sorts, "sommeil"), -1);
    EXPECT_EQ(PourcentageSortDeMage(sorts, "Sommeil"), "60");
    EXPECT_EQ(PourcentageSortDeMage(sorts, "Absent"), "?");
    EXPECT_EQ(IndexSortDeMage(sorts, "Lumière"), -1);   // no "&": its first field is empty
    EXPECT_EQ(IndexSortDeMage({"&12"}, ""), 0);
    EXPECT_EQ(PourcentageSortDeMage({"Lumière"}, ""), "Lumière");   // no "&": the whole line
}
