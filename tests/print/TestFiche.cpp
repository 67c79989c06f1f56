#include "Combat.h"
#include "ListeTexte.h"

#include <QDir>
#include "Exemples.h"
#include "Pages.h"

#include <gtest/gtest.h>

// The sheet on a 755 × 1250 page with the recording metrics (a character of
// a font of s points is s wide, a line 2s high): Times New Roman 12 gives
// u = 24, 9 gives 18, 8 gives 16. The fighter's page without proficiencies
// or weapons then runs: identity row at 10, class row at 88, languages at
// 166, abilities at 214, adjustment rows every 44 from 276, "Compétences"
// at 544, the weapon table from 649, the notes from 913.

namespace {

using Traits = QList<std::array<int, 4>>;
using P = std::pair<int, int>;

struct Fiche : ::testing::Test {
    CanevasEnregistreur c;
    DonneesImpression d = donneesGuerrier();

    void dessine(Cible cible = Cible::Papier)
    {
        c.traces.clear();
        PageDeDessin page(c, 755, 1250);
        DessineFiche(page, d, cible);
    }
    bool trait(std::array<int, 4> t) const
    {
        for (const auto& x : c.traits())
            if (std::array{x.x1, x.y1, x.x2, x.y2} == t)
                return true;
        return false;
    }
};

TEST_F(Fiche, IdentityAndClassRowsSpreadOverTheWidth)
{
    dessine();
    ASSERT_EQ(c.traces.first().genre, CanevasEnregistreur::Genre::Rectangle);
    // Pairs 99, 99, 123, 51, 72 and 60 wide, gaps of 46.2.
    EXPECT_EQ(position(c, "NOM"), P(41, 10));
    EXPECT_EQ(position(c, " Arthur "), P(10, 40));
    EXPECT_EQ(position(c, " Masculin "), P(300, 40));
    EXPECT_EQ(position(c, " 180 "), P(571, 40));
    EXPECT_EQ(position(c, "POIDS"), P(685, 10));
    EXPECT_EQ(position(c, " 80 "), P(689, 40));
    EXPECT_EQ(position(c, "CLASSE").second, 88);
    EXPECT_EQ(position(c, " 5 ").second, 118);
    EXPECT_TRUE(c.contient(QString(24, u' ')));
    EXPECT_TRUE(c.contient(QString(16, u' ')));
    EXPECT_EQ(position(c, "Langues parlées "), P(10, 166));
    EXPECT_EQ(position(c, " Commun, Elfe "), P(205, 166));
    EXPECT_EQ(c.texte(" Commun, Elfe ").style, Italique);
    EXPECT_EQ(position(c, "Force"), P(64, 214));
    EXPECT_EQ(position(c, "Beauté"), P(622, 214));
    EXPECT_EQ(position(c, "Toucher"), P(66, 276));
    EXPECT_EQ(position(c, "Barreaux"), P(62, 496));
    EXPECT_TRUE(trait({10, 540, 745, 540}));
    EXPECT_EQ(position(c, "Compétences"), P(311, 544));
    EXPECT_EQ(c.texte("Compétences").police, Arial);
}

TEST_F(Fiche, LevelsAndExceptionalStrength)
{
    struct Cas {
        const char* classe;
        std::array<const char*, 3> niveaux;
        const char* force;
        const char* niveau;
        const char* valeurForce;
    } cas[] = {
        {"Guerrier", {"5", "", ""}, "18", " 5 ", " 18 (75 %) "},
        {"Guerrier-Voleur", {"5", "6", ""}, "18", " 5-6 ", " 18 (75 %) "},
        {"Guerrier-Mage-Voleur", {"3", "4", "5"}, "17", " 3-4-5 ", " 17 "},
        {"Mage", {"7", "", ""}, "18", " 7 ", " 18 "},
    };
    for (const auto& k : cas) {
        d.Perso.classe = k.classe;
        d.Perso.niveaux = {k.niveaux[0], k.niveaux[1], k.niveaux[2]};
        d.Perso.force = k.force;
        d.Perso.extra = "75";
        dessine();
        EXPECT_EQ(position(c, k.niveau).second, 118) << k.classe;
        EXPECT_EQ(position(c, k.valeurForce).second, 244) << k.classe;
    }
}

// Seven different scores, each boxed under its own ability (the fixture's
// scores are all 12, which hides a score under its neighbour's legend).
TEST_F(Fiche, EachScoreUnderItsAbility)
{
    d.Perso.force = "11";
    d.Perso.intelligence = "16";
    d.Perso.sagesse = "13";
    d.Perso.dexterite = "14";
    d.Perso.constitution = "15";
    d.Perso.charisme = "17";
    d.Perso.beaute = "10";
    dessine();
    // Columns of h = 94; " nn " is 48 wide in Times New Roman 12, boxed 24 + 6 below the legend at 214.
    const char* scores[] = {" 11 ", " 16 ", " 13 ", " 14 ", " 15 ", " 17 ", " 10 "};
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(ecritA(c, scores[i], 94 * (i + 1) - 24, 244)) << scores[i];
}

TEST_F(Fiche, ConditionalAdjustmentsByClassAndScores)
{
    const QStringList conditionnels{"Niveau max sorts", "Connaître les sorts", "Nombre max de sorts", "Echec sort",
                                    "Bonus sorts de clerc", "Régénération", "Immunité aux illusions"};
    struct Cas {
        const char* classe;
        const char* constitution;
        const char* intelligence;
        QStringList attendus;
    } cas[] = {
        {"Guerrier", "19", "18", {}},
        {"Guerrier", "20", "19", {"Régénération", "Immunité aux illusions"}},
        {"Illusioniste", "12", "12", {"Niveau max sorts", "Connaître les sorts", "Nombre max de sorts"}},
        {"Druide", "12", "12", {"Echec sort", "Bonus sorts de clerc"}},
    };
    for (const auto& k : cas) {
        d.Perso.classe = k.classe;
        d.Perso.constitution = k.constitution;
        d.Perso.intelligence = k.intelligence;
        dessine();
        for (const QString& l : conditionnels)
            EXPECT_EQ(c.contient(l), k.attendus.contains(l)) << k.classe << " " << l;
    }

}

TEST_F(Fiche, EveryAdjustmentUnderItsAbilityFromItsSlot)
{
    // A table in which every key gives its own name and the score: "Poison:20".
    DossierTemporaire dossier;
    for (const char* nom : {"ST.dat", "comprace.dat", "XP.dat"})
        ListeTexte::charge(QDir(DossierDonnees()).filePath(nom)).sauve(dossier.chemin(nom));
    ListeTexte table;
    for (const QString& cle : ClesAjustements()) {
        table.append(cle);
        for (int i = 1; i <= 25; ++i)
            table.append(cle + ":" + QString::number(i));
    }
    table.sauve(dossier.chemin("Vardel.Aju"));
    d.RepertoireDonnees = dossier.racine();
    d.Perso.classe = "Clerc-Mage";
    d.Perso.niveaux = {"5", "5", ""};
    d.Perso.force = "11";
    d.Perso.intelligence = "19";
    d.Perso.sagesse = "13";
    d.Perso.dexterite = "14";
    d.Perso.constitution = "20";
    d.Perso.charisme = "15";
    dessine();
    EXPECT_EQ(d.Ajustements[Ajustement::Poison], "Poison:20");

    const struct {
        const char* legende;
        int colonne, rangee;
        const char* valeur;
    } places[] = {
        {"Toucher", 1, 0, "Toucher:11"},
        {"Nombre langues", 2, 0, "NombreLangues:19"},
        {"Défense magie", 3, 0, "DefenseMagie:13"},
        {"Réaction projectiles", 4, 0, "ReactionProjectiles:14"},
        {"Ajustement PV", 5, 0, "AjustementPV:20"},
        {"Réaction", 6, 0, "Reaction:15"},
        {"Dégâts", 1, 1, "Degats:11"},
        {"Niveau max sorts", 2, 1, "NiveauMaxSorts:19"},
        {"Echec sort", 3, 1, "EchecSorts:13"},
        {"Défense", 4, 1, "Defense:14"},
        {"Choc métabolique", 5, 1, "ChocMetabolique:20"},
        {"Max suivants", 6, 1, "MaxSuivants:15"},
        {"Poids autorisé", 1, 2, "PoidsAutorise:11"},
        {"Connaître les sorts", 2, 2, "ConnaitreLesSorts:19"},
        {"Résurrection", 5, 2, "Resurrection:20"},
        {"Loyauté", 6, 2, "Loyaute:15"},
        {"Charge", 1, 3, "Charge:11"},
        {"Nombre max de sorts", 2, 3, "NombreMaxDeSorts:19"},
        {"Poison", 5, 3, "Poison:20"},
        {"Portes", 1, 4, "Portes:11"},
        {"Bonus sorts de clerc", 3, 4, "BonusSorts:13"},
        {"Régénération", 5, 4, "Regeneration:20"},
        {"Barreaux", 1, 5, "Barreaux:11"},
        {"Immunité aux illusions", 4, 5, "ImmuniteIllusions:19"},
    };
    const auto t = c.textes();
    int cases = 0;
    for (qsizetype i = 0; i + 1 < t.size(); ++i)
        cases += t[i + 1].texte.contains(':') && t[i + 1].texte.startsWith(' ');
    EXPECT_EQ(cases, 24);   // ImmuniteSorts is not printed
    for (const auto& p : places) {
        const QString legende = QString::fromUtf8(p.legende);
        const int y = 276 + 44 * p.rangee;
        // Centred on the ability's column (h = 94), the value boxed 16 + 4 below.
        EXPECT_EQ(position(c, legende), P(94 * p.colonne - int(legende.size()) * 4, y)) << p.legende;
        const QString valeur = " " + QString::fromUtf8(p.valeur) + " ";
        EXPECT_EQ(position(c, valeur), P(94 * p.colonne - int(valeur.size()) * 4, y + 20)) << p.legende;
    }
}


TEST_F(Fiche, ProficienciesGoTwoALineRightAligned)
{
    d.Competences = {"Equitation&1&Sagesse&+3", "Natation&1&Force&0&x", "Cuisine&1&Intelligence&0"};
    d.PointsCompetences = 2;
    dessine();
    EXPECT_EQ(position(c, "Equitation"), P(98, 572));
    EXPECT_TRUE(ecritA(c, "Sagesse", 219, 572));
    EXPECT_TRUE(ecritA(c, "Force", 614, 572));
    EXPECT_EQ(position(c, "+3"), P(312, 572));
    EXPECT_EQ(position(c, "Natation"), P(493, 572));
    EXPECT_EQ(position(c, "0&x"), P(680, 572));   // everything after the third "&"
    EXPECT_EQ(position(c, "Cuisine"), P(125, 594));
    EXPECT_FALSE(c.contient("1"));                  // the cost is not printed
    for (const auto& t : c.textes())
        EXPECT_FALSE(t.y1 == 594 && t.x1 > 377) << t.texte;   // the right half of an odd last line stays empty
    EXPECT_EQ(position(c, "Il reste 2 points pour les compétences"), P(10, 621));
    EXPECT_EQ(c.texte("Il reste 2 points pour les compétences").style, Italique);
}

TEST_F(Fiche, WeaponTableWithoutWeaponAndItsTHACOBox)
{
    dessine();
    EXPECT_EQ(position(c, "Il reste 0 point pour les compétences"), P(10, 577));
    // Columns c1..c5 = 188, 282, 376, 470, 564; t = 649, b = 673; one empty band.
    EXPECT_EQ(position(c, "ARME"), P(75, 649));
    EXPECT_EQ(position(c, "DEGATS"), P(340, 649));
    EXPECT_EQ(position(c, "VITESSE"), P(193, 673));
    EXPECT_TRUE(trait({10, 697, 564, 697}));   // under the second header row
    EXPECT_TRUE(trait({10, 649, 564, 649}));
    EXPECT_TRUE(trait({10, 698, 564, 698}));
    for (int x : {10, 188, 282, 470, 564})
        EXPECT_TRUE(trait({x, 649, x, 698})) << x;
    EXPECT_TRUE(trait({376, 673, 376, 698}));
    // The box: wm = 12, V = 188 + 564 − 12, xv = 564 + 144 + 48; rows of 28 from 701.
    EXPECT_EQ(position(c, "Attaques/Round : " + AttaquesParRound(d.Perso)), P(544, 649));
    EXPECT_EQ(position(c, "THACO"), P(622, 677));
    EXPECT_EQ(position(c, "Base"), P(588, 705));
    EXPECT_EQ(c.texte(CalculeTHACO(d.Perso)).y1, 705);
    EXPECT_EQ(position(c, "Bonus Force"), P(588, 733));
    EXPECT_EQ(position(c, "Autres Bonus"), P(588, 789));
    EXPECT_TRUE(trait({576, 673, 740, 673}));
    EXPECT_TRUE(trait({576, 841, 740, 841}));
    EXPECT_TRUE(trait({576, 673, 576, 841}));
    EXPECT_TRUE(trait({744, 841, 744, 701}));
    EXPECT_TRUE(trait({740, 673, 740, 841}));
    // Below the taller of the two: the box.
    EXPECT_EQ(position(c, "Il reste 0 point pour les armes"), P(10, 850));
    // No thief block: the rule comes 2u + u below.
    EXPECT_FALSE(c.contient("Talents de Voleur"));
    EXPECT_TRUE(trait({10, 904, 745, 904}));

    // On screen the box reaches wm further right.
    dessine(Cible::Apercu);
    EXPECT_EQ(position(c, "Attaques/Round : " + AttaquesParRound(d.Perso)), P(550, 649));
    EXPECT_EQ(position(c, "THACO"), P(628, 677));
    EXPECT_TRUE(trait({752, 673, 752, 841}));
    EXPECT_TRUE(trait({576, 841, 752, 841}));
    EXPECT_FALSE(trait({740, 673, 740, 841}));
}

// The fixture's scores of 12 give 0 to hit and 0 to damage, so a row
// reading the wrong adjustment looks right there. With 18/100 the two part:
// +3 to hit, +6 to damage.
TEST_F(Fiche, THACOBoxTakesTheStrengthBonusToHit)
{
    d.Perso.force = "18";
    d.Perso.extra = "100";
    dessine();
    EXPECT_EQ(d.Ajustements[Ajustement::Toucher], "+3");
    EXPECT_EQ(d.Ajustements[Ajustement::Degats], "+6");
    EXPECT_EQ(position(c, "Bonus Force"), P(588, 733));
    // Centred between xv = 756 and V = 740: 4 to the left for two characters of 12.
    EXPECT_EQ(position(c, "+3"), P(736, 733));
    EXPECT_FALSE(c.contient("+6"));
    EXPECT_TRUE(c.contient(" +6 "));   // the damage stays in its own box under Force
}

TEST_F(Fiche, WeaponRowsAndSpecialisation)
{
    d.Armes = {"Epée longue&5&1d8&1d12&-", "Arc&7&1d6&1d6&2&x"};
    d.PointsArmes = 1;
    d.Specialisation = "Epée longue&5&1d8&1d12&-";
    dessine();
    EXPECT_EQ(position(c, "Epée longue"), P(66, 698));   // right-aligned on 188 − 23
    EXPECT_EQ(position(c, "5"), P(230, 698));
    EXPECT_EQ(position(c, "1d8"), P(315, 698));
    EXPECT_EQ(position(c, "1d12"), P(405, 698));
    EXPECT_EQ(position(c, "Arc"), P(138, 720));
    EXPECT_EQ(position(c, "2&x"), P(503, 720));   // the rate of fire is everything from the fifth field
    EXPECT_TRUE(trait({10, 742, 564, 742}));
    EXPECT_TRUE(trait({376, 673, 376, 742}));
    EXPECT_EQ(position(c, "Il reste 1 point pour les armes"), P(10, 850));
    EXPECT_EQ(position(c, "Spécialiste : Epée longue"), P(307, 850));
}

TEST_F(Fiche, ThiefSkillsOnlyForAThief)
{
    d.Perso.classe = "Guerrier-Voleur";
    d.Perso.niveaux = {"5", "5", ""};
    d.TalentsVoleur = {35, 40, 5, 10, 15, 20, 90, 0};
    dessine();
    EXPECT_EQ(position(c, "Talents de Voleur"), P(275, 886));
    EXPECT_EQ(c.texte("Talents de Voleur").police, Arial);
    // Times New Roman 9, eight pairs from 10 to 745 under the title.
    EXPECT_EQ(c.texte("Pickpocket").y1, 910);
    EXPECT_EQ(position(c, " 35% "), P(31, 932));
    EXPECT_EQ(c.texte(" 90% ").y1, 932);
    EXPECT_EQ(c.texte("Lire des langues inconnues").x1 + 26 * 9, 745);   // the last pair ends at the limit
    // Pair height 18 + 4 + 18, then u, then u before the rule.
    EXPECT_TRUE(trait({10, 986, 745, 986}));
}

TEST_F(Fiche, NotesBesideTheSavingThrows)
{
    d.Notes = {"", "Ma note"};
    dessine();
    ASSERT_FALSE(d.NotesStandard.isEmpty());
    for (const QString& j : d.JetsDeProtection)
        EXPECT_FALSE(j.isEmpty());
    EXPECT_EQ(position(c, "Notes"), P(221, 913));
    EXPECT_EQ(position(c, "Jets de protection"), P(521, 913));
    // The first standard note starts the notes column.
    const auto t = c.textes();
    bool premiere = false;
    for (const auto& x : t)
        premiere = premiere || (x.x1 == 10 && x.y1 == 937 && x.style == Italique);
    EXPECT_TRUE(premiere);
    // The user's notes follow the standard ones, an empty line taking one u.
    const int derniere = c.texte("Ma ").y1;
    int plusBasseStandard = 0;
    for (const auto& x : t)
        if (!x.texte.isEmpty() && x.x1 < 503 && x.y1 < derniere && x.y1 >= 937)
            plusBasseStandard = std::max(plusBasseStandard, x.y1);
    EXPECT_EQ(derniere, plusBasseStandard + 36);
    // Five saving throws, labels at xs + 10, boxed at xl + width of the longest label and "m".
    const QStringList libelles{"Paralysie, Poison, Mort magique : ", "Bâton, Bâtonnet, Baguette : ",
                               "Pétrification, Métamorphose : ", "Souffle : ", "Sort : "};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(position(c, libelles[i]), P(513, 937 + 27 * i)) << i;
        const auto v = c.textes()[c.textes().indexOf(c.texte(libelles[i])) + 1];
        EXPECT_EQ(v.texte, " " + d.JetsDeProtection[std::size_t(i)] + " ");
        EXPECT_EQ(P(v.x1, v.y1), P(828, 937 + 27 * i));
    }
}

}

namespace {

TEST(DessineFiche, AMissingRuleFileFailsBeforeAnythingIsDrawn)
{
    DossierTemporaire vide;
    DonneesImpression d = donneesGuerrier();
    d.RepertoireDonnees = vide.racine();
    CanevasEnregistreur c;
    PageDeDessin page(c, 755, 1250);
    EXPECT_EQ(echecDe([&] { DessineFiche(page, d); }),
              "Ne peut ouvrir le fichier " + QDir(vide.racine()).filePath("Vardel.Aju"));
    EXPECT_TRUE(c.traces.isEmpty());
}

}
