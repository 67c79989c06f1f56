#include "Colonnes.h"
#include "Competences.h"

#include "Fichiers.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

Personnage perso(const QString& classe, QStringList niveaux, const QString& intelligence)
{
    Personnage p;
    p.classe = classe;
    for (qsizetype k = 0; k < niveaux.size(); ++k)
        p.niveaux[static_cast<std::size_t>(k)] = niveaux[k];
    p.intelligence = intelligence;
    return p;
}

// A category file with the odd cases the scan must take as they come.
const QStringList Categories = {
    "GENERAL", "Natation", "Cuisine", "FIN",
    "combattant", "Forge", "FIN",                 // a group line in lower case
    "MAGICIEN", "Astrologie", "Herboristerie", "FIN",
    "PRETRE", "Herboristerie", "Religion", "FIN",
    "LARRON", "Jonglerie", "FIN",
    "ANCIENS", "Runes", "FIN",                    // a group no class opens
    "", "",                                       // blank lines after the last block
};

}

TEST(Competences, CalculeCompetencesGroupesEtBudget)
{
    struct Cas { const char* classe; QStringList niveaux; const char* intelligence; QStringList groupes; int points; };
    const Cas cas[] = {
        {"Clerc-Voleur", {"3", "4"}, "12", {"GENERAL", "LARRON", "PRETRE"}, 8},
        {"Ranger", {"6"}, "9", {"COMBATTANT", "GENERAL", "MAGICIEN"}, 7},
        // Open groups whose levels do not count: a Paladin's priest side, a
        // Bard's fighter and wizard sides, a Druid's fighter side.
        {"Paladin", {"7"}, "13", {"COMBATTANT", "GENERAL", "PRETRE"}, 5 + 3},
        {"Barde", {"5"}, "16", {"COMBATTANT", "GENERAL", "LARRON", "MAGICIEN"}, 4 + 5},
        {"Druide-Mage", {"4", "6"}, "18", {"COMBATTANT", "GENERAL", "MAGICIEN", "PRETRE"}, 6 + 7},
        {"Guerrier-Mage-Voleur", {"7", "6", "8"}, "10", {"COMBATTANT", "GENERAL", "LARRON", "MAGICIEN"}, 6 + 2},
        {"Druide", {"4"}, "9", {"COMBATTANT", "GENERAL", "PRETRE"}, 5 + 2},
        {"Illusioniste", {"1"}, "17", {"GENERAL", "MAGICIEN"}, 4 + 6},
        // The step of each group: 3 levels, 4 for the rogues.
        {"Guerrier", {"2"}, "8", {"COMBATTANT", "GENERAL"}, 3 + 1},
        {"Guerrier", {"3"}, "8", {"COMBATTANT", "GENERAL"}, 4 + 1},
        {"Mage", {"2"}, "8", {"GENERAL", "MAGICIEN"}, 4 + 1},
        {"Clerc", {"3"}, "8", {"GENERAL", "PRETRE"}, 5 + 1},
        {"Voleur", {"3"}, "8", {"GENERAL", "LARRON"}, 3 + 1},
        {"Voleur", {"4"}, "8", {"GENERAL", "LARRON"}, 4 + 1},
        {"", {}, "12", {"GENERAL"}, 0 + 3},
    };
    for (const Cas& c : cas) {
        const BudgetCompetences b = CalculeCompetences(perso(c.classe, c.niveaux, c.intelligence));
        EXPECT_EQ(b.GroupesAutorises, c.groupes) << c.classe;
        EXPECT_EQ(b.PointsCompetences, c.points) << c.classe << " " << c.niveaux.join('/').toStdString();
    }
}

TEST(Competences, BonusIntelligence)
{
    const std::pair<const char*, int> cas[] = {
        {"0", 0}, {"1", 0}, {"2", 1}, {"8", 1}, {"9", 2}, {"11", 2}, {"12", 3}, {"13", 3}, {"14", 4}, {"15", 4},
        {"16", 5}, {"17", 6}, {"18", 7}, {"19", 8}, {"20", 9}, {"21", 10}, {"22", 11}, {"23", 12}, {"24", 15},
        {"25", 20}, {"26", 0}, {"", 0}, {"douze", 0}, {"-32767", 0},
    };
    for (const auto& [intelligence, bonus] : cas)
        EXPECT_EQ(BonusIntelligenceCompetences(intelligence), bonus) << intelligence;
}

TEST(Competences, CompetenceAutorisee)
{
    const QStringList ranger = CalculeCompetences(perso("Ranger", {"6"}, "9")).GroupesAutorises;
    struct Cas { const char* nom; bool autorisee; };
    const Cas cas[] = {
        {"Natation", true},        // GENERAL, open to everyone
        {"Forge", true},           // its group line in lower case still matches
        {"Astrologie", true},
        {"Herboristerie", true},   // listed under MAGICIEN and PRETRE: one is enough
        {"Religion", false},       // PRETRE only
        {"Jonglerie", false},
        {"Runes", false},          // a group no class opens
        {"natation", false},       // names compare with case
        {"Escalade", false},       // listed nowhere
        {"", false},               // the blank lines at the end are no block
    };
    const QSet<QString> autorisees = CompetencesAutorisees(Categories, ranger);
    for (const Cas& c : cas) {
        EXPECT_EQ(CompetenceAutorisee(Categories, ranger, c.nom), c.autorisee) << c.nom;
        EXPECT_EQ(autorisees.contains(c.nom), c.autorisee) << c.nom;
    }
}

TEST(Competences, BlocsMalFormes)
{
    const QStringList clerc = {"GENERAL", "PRETRE"};
    // A group line followed at once by "FIN": "FIN" is taken as a name, and
    // the next block's group line and names become names of that group, up
    // to the next "FIN".
    const QStringList sansNom = {"PRETRE", "FIN", "LARRON", "Jonglerie", "FIN", "GENERAL", "Cuisine", "FIN"};
    EXPECT_TRUE(CompetenceAutorisee(sansNom, clerc, "FIN"));
    EXPECT_TRUE(CompetenceAutorisee(sansNom, clerc, "Jonglerie"));
    EXPECT_TRUE(CompetenceAutorisee(sansNom, clerc, "LARRON"));
    EXPECT_TRUE(CompetenceAutorisee(sansNom, clerc, "Cuisine"));
    EXPECT_FALSE(CompetenceAutorisee(sansNom, {"GENERAL"}, "Jonglerie"));
    EXPECT_EQ(CompetencesAutorisees(sansNom, clerc), (QSet<QString>{"FIN", "LARRON", "Jonglerie", "Cuisine"}));
    EXPECT_EQ(CompetencesAutorisees(sansNom, {"GENERAL"}), QSet<QString>{"Cuisine"});

    // A last block without its "FIN", a group line alone at the end, an
    // empty file: the scan stops at the end of the file.
    EXPECT_TRUE(CompetenceAutorisee({"GENERAL", "Cuisine", "Chant"}, clerc, "Chant"));
    EXPECT_FALSE(CompetenceAutorisee({"GENERAL", "Cuisine", "Chant"}, clerc, "Danse"));
    EXPECT_FALSE(CompetenceAutorisee({"GENERAL", "Cuisine", "FIN", "PRETRE"}, clerc, "Danse"));
    EXPECT_FALSE(CompetenceAutorisee({}, clerc, "Danse"));
}

TEST(Competences, LignesBlanchesAutourDesBlocs)
{
    // A category file touched by hand: a blank line before the first block
    // and between blocks, one of blanks, one ended by a lone LF.
    DossierTemporaire dossier;
    const QStringList categories =
        ListeTexte::charge(dossier.ecrit("Vardel.cat", "\r\nGENERAL\r\nNatation\r\nFIN\r\n"
                                                       "\r\nMAGICIEN\r\nAstrologie\r\nFIN\r\n"
                                                       " \t \r\nPRETRE\r\nReligion\r\nFIN\r\n"
                                                       "\nLARRON\r\nJonglerie\r\nFIN\r\n"))
            .lignes();
    ASSERT_EQ(categories.size(), 16);

    struct Cas { const char* nom; QStringList groupes; };
    const Cas cas[] = {
        {"Natation", {"GENERAL"}},
        {"Astrologie", {"MAGICIEN"}},
        {"Religion", {"PRETRE"}},
        {"Jonglerie", {"LARRON"}},
        {"MAGICIEN", {}},   // a group line, never a name
        {"PRETRE", {}},
        {"LARRON", {}},
        {"", {}},
    };
    for (const QString groupe : {"GENERAL", "MAGICIEN", "PRETRE", "LARRON"})
        for (const Cas& c : cas)
            EXPECT_EQ(CompetenceAutorisee(categories, {groupe}, c.nom), c.groupes.contains(groupe))
                << c.nom << " pour " << groupe.toStdString();

    // So a Mage pays the listed cost of Astrologie, a Clerc one more.
    const QStringList mage = CalculeCompetences(perso("Mage", {"1"}, "9")).GroupesAutorises;
    const QStringList clerc = CalculeCompetences(perso("Clerc", {"1"}, "9")).GroupesAutorises;
    EXPECT_EQ(CoutCompetence("Astrologie&2&Intelligence&0", categories, mage), 2);
    EXPECT_EQ(CoutCompetence("Astrologie&2&Intelligence&0", categories, clerc), 3);
}

TEST(Competences, CoutEtPointsRestants)
{
    const QStringList ranger = CalculeCompetences(perso("Ranger", {"6"}, "9")).GroupesAutorises;
    struct Cas { const char* ligne; qint64 cout; };
    const Cas cas[] = {
        {"Astrologie&2&Intelligence&0", 2},
        {"Religion&1&Sagesse&0", 2},           // PRETRE only: one more for a Ranger
        {"Escalade&2&Dextérité&0", 3},         // listed nowhere
        {"Runes&3&Intelligence&-2", 4},        // in a group no class opens
        {"Natation&deux&Force&0", -32767},     // no number
        {"Escalade&&Force&0", -32766},         // no number, one more
        {"Natation&1", -32767},                // too few fields: no cost field
        {"Escalade&2147483647&Force&0", 2147483648LL},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CoutCompetence(c.ligne, Categories, ranger), c.cout) << c.ligne;

    EXPECT_EQ(PointsRestants(7, {}, Categories, ranger), 7);
    EXPECT_EQ(PointsRestants(7, {"Astrologie&2&Intelligence&0", "Religion&1&Sagesse&0", "Escalade&2&Dextérité&0"},
                             Categories, ranger), 0);
    EXPECT_EQ(PointsRestants(7, {"Escalade&&Force&0"}, Categories, ranger), 7 + 32766);
    // Costs at the limits of an int count without overflow and the result
    // stays an int.
    EXPECT_EQ(PointsRestants(7, {"Escalade&2147483647&Force&0", "Runes&2147483647&Force&0"}, Categories, ranger), INT_MIN);
    EXPECT_EQ(PointsRestants(7, {"Natation&-2147483648&Force&0"}, Categories, ranger), INT_MAX);
}

TEST(Colonnes, DecoupeEtPositions)
{
    struct Cas { const char* ligne; QStringList colonnes; };
    const Cas cas[] = {
        {"Pêche&2&Sagesse&-1", {"Pêche", "2", "Sagesse", "-1"}},
        {"Nage&1&Force&+1 & -1 si chargé", {"Nage", "1", "Force", "+1 & -1 si chargé"}},
        {"Nage&1", {"Nage", "", "", "1"}},
        {"Nage&1&Force", {"Nage", "1", "", "Force"}},
        {"Nage", {"", "", "", "Nage"}},
        {"", {"", "", "", ""}},
        {"&&&", {"", "", "", ""}},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(DecoupeColonnes(c.ligne, 4), c.colonnes) << c.ligne;
    EXPECT_EQ(DecoupeColonnes("Arc long&8&1d6&1d6&2/1", 5), (QStringList{"Arc long", "8", "1d6", "1d6", "2/1"}));

    const std::vector<int> largeurs = {100, 20, 50, 7};
    EXPECT_EQ(DebutColonne(largeurs, 0), 0);
    EXPECT_EQ(DebutColonne(largeurs, 1), 130);
    EXPECT_EQ(DebutColonne(largeurs, 2), 180);
    EXPECT_EQ(DebutColonne(largeurs, 3), 260);
}
