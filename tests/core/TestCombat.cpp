#include "Combat.h"
#include "Echec.h"

#include "Perso.h"

#include <gtest/gtest.h>

namespace {

// A saving-throw file whose value for block b, row r, column k is
// -(1000 b + 10 r + k): the minimum then tells which row and column won.
QStringList fichierST(int lignes = 425)
{
    QStringList st;
    for (int b = 1; b <= 5; ++b) {
        st.append("Bloc " + QString::number(b));
        for (int r = 1; r <= 21; ++r)
            for (int k = 0; k < 4; ++k)
                st.append(QString::number(-(1000 * b + 10 * r + k)));
    }
    return st.mid(0, lignes);
}

}

TEST(Combat, THACO)
{
    struct Cas { const char* classe; QStringList niveaux; const char* thaco; };
    const Cas cas[] = {
        {"Guerrier", {"1"}, "20"}, {"Voleur", {"1"}, "20"}, {"Clerc", {"1"}, "20"}, {"Mage", {"1"}, "20"},
        {"Paladin", {"3"}, "18"}, {"Barde", {"3"}, "19"}, {"Druide", {"3"}, "19"}, {"Illusioniste", {"3"}, "20"},
        {"Ranger", {"10"}, "11"}, {"Voleur", {"10"}, "16"}, {"Clerc", {"10"}, "14"}, {"Mage", {"10"}, "17"},
        {"Guerrier", {"20"}, "1"}, {"Voleur", {"20"}, "11"}, {"Clerc", {"20"}, "8"}, {"Mage", {"20"}, "14"},
        {"Illusioniste", {"7"}, "18"}, {"Mage", {"7"}, "18"},
        {"Guerrier-Voleur", {"5", "9"}, "16"},
        {"Guerrier-Mage", {"", "4"}, "19"},   // an empty level never wins
        {"", {}, "21"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CalculeTHACO(perso(c.classe, c.niveaux)), c.thaco) << c.classe << " " << c.niveaux.join('/').toStdString();
}

TEST(Combat, AttaquesParRound)
{
    struct Cas { const char* classe; QStringList niveaux; const char* attaques; };
    const Cas cas[] = {
        {"Guerrier-Voleur", {"5", "9"}, "1"}, {"Guerrier", {"6"}, "1"}, {"Paladin", {"7"}, "3/2"},
        {"Paladin", {"12"}, "3/2"}, {"Paladin", {"13"}, "2"}, {"Clerc-Ranger", {"20", "12"}, "3/2"},
        {"Mage", {"20"}, "1"}, {"", {}, "1"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(AttaquesParRound(perso(c.classe, c.niveaux)), c.attaques) << c.classe;
}

TEST(Combat, JetsDeProtectionParColonneEtRang)
{
    struct Cas { const char* classe; QStringList niveaux; int rangEtColonne; };   // -1: all 20
    const Cas cas[] = {
        {"Clerc", {"7"}, 70},          // priest column, row 7
        {"Voleur", {"3"}, 31},
        {"Guerrier", {"20"}, 202},     // row 20 for level 20
        {"Mage", {"25"}, 213},         // row 21 for level 21 and above
        {"Barde", {"4"}, 43},          // rogue, warrior and wizard columns; the wizard one is lowest here
        {"Guerrier", {"0"}, -1},
        {"", {}, -1},
    };
    const ListeTexte st(fichierST());
    for (const Cas& c : cas) {
        std::array<QString, 5> jets;
        CalculeJetsDeProtection(perso(c.classe, c.niveaux), st, jets);
        for (int b = 1; b <= 5; ++b) {
            const QString attendu = c.rangEtColonne < 0 ? "20" : QString::number(-(1000 * b + c.rangEtColonne));
            EXPECT_EQ(jets[static_cast<std::size_t>(b - 1)], attendu) << c.classe << " bloc " << b;
        }
    }
}

TEST(Combat, LeBardeNeLitPasLaColonneDesPretres)
{
    // Real-looking figures: the Barde's priest column stays 20 even where the
    // priest figure would be lower.
    QStringList st;
    for (int b = 0; b < 5; ++b) {
        st.append("Titre");
        for (int r = 1; r <= 21; ++r)
            st << "2" << "13" << "14" << "12";
    }
    std::array<QString, 5> jets;
    CalculeJetsDeProtection(perso("Barde", {"4"}), ListeTexte(st), jets);
    EXPECT_EQ(jets[0], "12");
}

TEST(Combat, FichierTropCourtGardeLesBlocsFaits)
{
    std::array<QString, 5> jets = {"a", "b", "c", "d", "e"};
    try {
        CalculeJetsDeProtection(perso("Guerrier", {"1"}), ListeTexte(fichierST(2 * 85 + 10)), jets);
        FAIL();
    } catch (const Echec& e) {
        EXPECT_EQ(e.texte(), "Index liste hors bornes");
    }
    EXPECT_EQ(jets[0], "-1012");
    EXPECT_EQ(jets[1], "-2012");
    EXPECT_EQ(jets[2], "c");
    EXPECT_EQ(jets[4], "e");
}
