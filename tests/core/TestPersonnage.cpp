#include "Classes.h"
#include "FichePersonnage.h"
#include "Fichiers.h"
#include "Perso.h"
#include "Personnage.h"
#include "SortsDeMage.h"

#include <gtest/gtest.h>

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
    using C = ClasseDeBase;
    EXPECT_EQ(ClassesDuGroupe(COMBATTANT), (std::vector<C>{C::Guerrier, C::Paladin, C::Ranger}));
    EXPECT_EQ(ClassesDuGroupe(MAGICIEN), (std::vector<C>{C::Mage, C::Illusioniste}));
    EXPECT_EQ(ClassesDuGroupe(PRETRE), (std::vector<C>{C::Clerc, C::Druide}));
    EXPECT_EQ(ClassesDuGroupe(LARRON), (std::vector<C>{C::Voleur, C::Barde}));
    EXPECT_TRUE(ClassesDuGroupe("GENERAL").empty());
    for (C c : ClassesDeBase)
        EXPECT_EQ(NomDeClasse(c), Classes::NomsDesClassesDeBase()[static_cast<qsizetype>(c)]);
}

TEST(Personnage, RecherchesParClasse)
{
    const Personnage gm = perso("Guerrier-Mage", {"5"});
    EXPECT_EQ(gm.NiveauParClasse(ClasseDeBase::Guerrier), 5);
    EXPECT_EQ(gm.NiveauParClasse(ClasseDeBase::Mage), -32767);
    EXPECT_EQ(gm.NiveauParClasse(ClasseDeBase::Voleur), 0);
    EXPECT_EQ(gm.NombreDeClasses(), 2);

    EXPECT_FALSE(perso("Guerrier-Illusioniste").EstDeClasse(ClasseDeBase::Mage));
    EXPECT_TRUE(perso("Druide-Guerrier-Mage").EstDeClasse(ClasseDeBase::Mage));
    EXPECT_FALSE(perso("Cle").EstDeClasse(ClasseDeBase::Clerc));
    EXPECT_FALSE(perso("clerc").EstDeClasse(ClasseDeBase::Clerc));
    EXPECT_FALSE(perso("Clerc-Mage-Voleur-Barde", {"1", "1", "1"}).EstDeClasse(ClasseDeBase::Barde));

    const Personnage gmv = perso("Guerrier-Mage-Voleur", {"4", "3", "2"});
    EXPECT_EQ(gmv.NiveauParGroupe(COMBATTANT), 4);
    EXPECT_EQ(gmv.NiveauParGroupe(MAGICIEN), 3);
    EXPECT_EQ(gmv.NiveauParGroupe(LARRON), 2);
    EXPECT_EQ(gmv.NiveauParGroupe(PRETRE), 0);
    EXPECT_EQ(gmv.NombreDeClasses(), 3);
}

TEST(Personnage, SansClasse)
{
    const Personnage vide = perso("", {"7"});
    for (const QString& g : {COMBATTANT, MAGICIEN, PRETRE, LARRON})
        EXPECT_EQ(vide.NiveauParGroupe(g), 0);
    EXPECT_EQ(vide.NombreDeClasses(), 0);
    QString messages;
    EXPECT_TRUE(vide.VerifieNiveaux(messages));
    EXPECT_TRUE(messages.isEmpty());
}

// An unknown group is reported to the caller; the command's edge shows it.
TEST(Personnage, GroupeInconnu)
{
    EXPECT_EQ(echecDe([] { perso("Guerrier", {"3"}).NiveauParGroupe("GENERAL"); }),
              "Erreur dans NiveauParGroupe, Groupe inconnu : GENERAL");
}

// What the main window enables, from the class, the levels and the abilities.
TEST(Personnage, EtatsDeLaFiche)
{
    struct Cas {
        const char* classe; QStringList niveaux; const char* force; const char* constitution;
        bool extra, tirerPV, voleur, barde, mage, clerc;
    };
    const Cas cas[] = {
        {"", {}, "18", "10",                              false, false, false, false, false, false},
        {"Guerrier", {"1"}, "18", "10",                   true,  true,  false, false, false, false},
        {"Guerrier", {"1"}, "018", "10",                  false, true,  false, false, false, false},
        {"Guerrier", {"1"}, "17", "10",                   false, true,  false, false, false, false},
        {"Paladin", {"8"}, "18", "10",                    true,  true,  false, false, false, false},
        {"Paladin", {"9"}, "10", "10",                    false, true,  false, false, false, true},
        {"Ranger", {"7"}, "18", "10",                     true,  true,  false, false, false, false},
        {"Ranger", {"8"}, "10", "10",                     false, true,  false, false, false, true},
        {"Clerc-Ranger", {"1", "1"}, "10", "10",          false, true,  false, false, false, true},
        {"Druide", {"1"}, "18", "10",                     false, true,  false, false, false, true},
        {"Mage", {"1"}, "18", "10",                       false, true,  false, false, true,  false},
        {"Voleur-Illusioniste", {"1", "1"}, "10", "10",   false, true,  true,  false, true,  false},
        {"Barde", {"1"}, "10", "10",                      false, true,  false, true,  false, false},
        {"Barde", {"2"}, "10", "10",                      false, true,  false, true,  true,  false},
        {"Guerrier-Mage-Voleur", {"1", "1", "1"}, "18", "25", true, true, true, false, true, false},
        {"Guerrier", {"1"}, "10", "26",                   false, false, false, false, false, false},
        {"Guerrier", {"1"}, "10", "",                     false, false, false, false, false, false},
        {"Guerrier", {"21"}, "10", "10",                  false, false, false, false, false, false},
        {"Guerrier-Mage", {"5", ""}, "10", "10",          false, false, false, false, true,  false},
        // "Tirer PV" does not follow the classes in use: all levels 0 leave
        // it enabled with none in use, and Niveau 1 at 0 disables it while
        // the Mage level 7 is in use (one class in use: Niveau 1 is checked).
        {"Guerrier", {"0"}, "10", "10",                   false, true,  false, false, false, false},
        {"Guerrier-Mage", {"0", "0"}, "10", "10",         false, true,  false, false, true,  false},
        {"Guerrier-Mage", {"0", "7"}, "10", "10",         false, false, false, false, true,  false},
    };
    for (const Cas& c : cas) {
        Personnage p = perso(c.classe, c.niveaux);
        p.force = c.force;
        p.constitution = c.constitution;
        const Personnage::Etats attendu{c.extra, c.tirerPV, c.voleur, c.barde, c.mage, c.clerc};
        const Personnage::Etats e = p.EtatsDeLaFiche();
        EXPECT_TRUE(e == attendu) << c.classe << " " << c.niveaux.join('/').toStdString() << " F" << c.force
                                  << " C" << c.constitution << ": extra " << e.extra << " PV " << e.tirerPV
                                  << " voleur " << e.talentsVoleur << " barde " << e.talentsBarde
                                  << " mage " << e.sortsDeMage << " clerc " << e.sortsDeClerc;
    }
}

// What the sheet keeps of a character: the levels its class has fields
// for, and Extra only where exceptional strength applies.
TEST(Personnage, RegleLaFiche)
{
    const struct {
        const char* classe;
        const char* force;
        std::array<QString, 3> niveaux;
        const char* extra;
    } cas[] = {
        {"", "18", {"5", "", ""}, ""},   // no class: one field, as for a single class
        {"Guerrier", "18", {"5", "", ""}, "63"},
        {"Guerrier", "17", {"5", "", ""}, ""},
        {"Mage", "18", {"5", "", ""}, ""},
        {"Guerrier-Mage", "18", {"5", "6", ""}, "63"},
        {"Clerc-Guerrier-Mage", "18", {"5", "6", "7"}, "63"},
        {"Voleur-Illusioniste", "18", {"5", "6", ""}, ""},
    };
    for (const auto& c : cas) {
        Personnage p;
        p.classe = c.classe;
        p.force = c.force;
        p.niveaux = {"5", "6", "7"};
        p.extra = "63";
        p.nom = "Aldor";
        const Personnage r = RegleLaFiche(p);
        EXPECT_EQ(r.niveaux, c.niveaux) << c.classe;
        EXPECT_EQ(r.extra, c.extra) << c.classe << " " << c.force;
        EXPECT_EQ(r.nom, "Aldor");
        EXPECT_EQ(RegleLaFiche(r), r) << c.classe;
    }
}

// A file read put on a sheet: what the file sets replaces, what it lacks
// stays, the pick lists keep only their own items, then the sheet's rule.
TEST(Personnage, PoseSurLaFiche)
{
    Personnage actuel;
    actuel.nom = "Avant";
    actuel.classe = "Guerrier-Mage";
    actuel.force = "18";
    actuel.niveaux = {"1", "2", ""};
    actuel.extra = "50";
    const struct {
        const char* classe;
        const char* race;
        int niveauxLus;
        bool extraLu;
        std::array<QString, 3> niveaux;
        const char* extra;
        const char* raceMontree;
    } cas[] = {
        {"Guerrier-Mage", "Elfe", 3, true, {"5", "6", ""}, "99", "Elfe"},
        {"Guerrier-Mage", "elfe", 1, true, {"5", "2", ""}, "99", ""},     // Niveau 2 as the sheet had it
        {"Guerrier-Mage", "Nain", 0, false, {"1", "2", ""}, "50", "Nain"},  // Extra as the sheet had it
        {"Clerc-Guerrier-Mage", "Humain", 2, true, {"5", "6", ""}, "99", "Humain"},
        {"Guerrier", "Humain", 3, true, {"5", "", ""}, "99", "Humain"},
        {"Mage", "Humain", 3, true, {"5", "", ""}, "", "Humain"},          // no exceptional strength
        {"Magicien", "Humain", 3, true, {"5", "", ""}, "", "Humain"},      // no such class: none
    };
    for (const auto& c : cas) {
        FichePersonnage lue;
        lue.personnage.nom = "Lu";
        lue.personnage.classe = c.classe;
        lue.personnage.race = c.race;
        lue.personnage.force = "18";
        lue.personnage.niveaux = {"5", "6", "7"};
        lue.personnage.extra = "99";
        lue.niveauxLus = c.niveauxLus;
        lue.extraLu = c.extraLu;
        const Personnage p = PoseSurLaFiche(actuel, lue);
        const QString classe = Classes::Liste().contains(c.classe) ? c.classe : "";
        EXPECT_EQ(p.classe, classe) << c.classe;
        EXPECT_EQ(p.race, c.raceMontree) << c.race;
        EXPECT_EQ(p.niveaux, c.niveaux) << c.classe << " " << c.niveauxLus;
        EXPECT_EQ(p.extra, c.extra) << c.classe << " " << c.extraLu;
        EXPECT_EQ(p.nom, "Lu");
    }
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
        const bool bon = perso(c.classe, {c.n1, c.n2, c.n3}).VerifieNiveaux(messages);
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
