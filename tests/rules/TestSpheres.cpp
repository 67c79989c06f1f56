#include "Echec.h"
#include "Fichiers.h"
#include "Spheres.h"

#include <functional>
#include "Perso.h"

#include <gtest/gtest.h>

namespace {

ChoixSpheres tous(AccesSphere acces)
{
    ChoixSpheres c{};
    c.fill(acces);
    return c;
}

std::size_t indice(const QString& sphere)
{
    for (std::size_t i = 0; i < NombreSpheres; ++i)
        if (Spheres()[i].nom == sphere)
            return i;
    ADD_FAILURE() << sphere.toStdString();
    return 0;
}

// Spells-per-day progressions: every kind of block the reader meets.
const QStringList Sorts2 = {
    "Guerrier", "NON", "Aucun", "0", "***",
    "Paladin", "OUI", "Prêtre", "9", "Niveau 9+1", "Niveau 10+2", "Niveau 11+2/1", "***",
    "Clerc", "OUI", "Prêtre", "1", "N1+1", "N2+2", "N3+2/1", "N4+3/2", "N5+3/3/1", "***",
    "Mage", "OUI", "Mage", "1", "N1+1", "***",
    "Druide", "OUI", "Prêtre", "1", "***",                        // no row
    "Ranger", "OUI", "Prêtre", "8", "sans plus", "N9+2", "***",   // a row without "+"
    "Barde", "NON", "Prêtre", "1", "N1+9", "***",
    "Clerc", "OUI", "Prêtre", "6", "N6+4/4/3/2/1", "N7+5/5/5/4/4/2/1", "***",   // overrides from level 6
};

// A priest catalogue: nine lines per spell (name, spheres, range, -,
// duration, casting time, area, -, components).
QStringList sort(const QString& nom, const QString& spheres)
{
    return {nom, spheres, "portée " + nom, "école", "durée " + nom, "incantation " + nom, "zone " + nom,
            "JS", "composantes " + nom};
}

QStringList clercs5()
{
    QStringList l;
    l << "1" << sort("Soins mineurs", "Soins") << sort("Amitié avec les animaux", "Animale") << "***";
    l << "3" << sort("Création d'eau", "Elémentaire (Eau)") << sort("Charme animal", "Animale, Végétale") << "***";
    l << "9" << sort("Hors table", "Générale") << "***";
    l << "4" << sort("Vents", "Elémentaire (Air)") << sort("Charme animal 4", "Animale, Végétale")
      << sort("Rempart", "Garde") << "***";
    l << "x" << sort("Pas un nombre", "Générale") << "***";
    l << "2" << "***";
    l << "6" << sort("Soins 6", "Soins") << "***";
    l << "7" << sort("Soins 7", "Soins") << "***";
    return l;
}

QStringList noms(const QStringList& liste)
{
    QStringList n;
    for (const QString& l : liste)
        n.append(l.section('&', 0, 0));
    return n;
}

}

TEST(Spheres, SortAccessible)
{
    ChoixSpheres animaleMineure = tous(AccesSphere::Aucun);
    animaleMineure[indice("Animale")] = AccesSphere::Mineur;
    animaleMineure[indice("Végétale")] = AccesSphere::PasDAcces;
    struct Cas { ChoixSpheres choix; const char* spheres; int niveau; bool attendu; };
    const Cas cas[] = {
        {ChoixStandard(), "Elémentaire (Eau)", 3, true},    // minor access stops at level 3
        {ChoixStandard(), "Elémentaire (Eau)", 4, false},
        {ChoixStandard(), "Animale", 1, false},             // "Pas d'accès"
        {ChoixStandard(), "Soleil", 7, true},
        {ChoixStandard(), "Animale, Soleil", 7, true},      // any sphere of the spell grants it
        {ChoixStandard(), "soleil", 1, false},              // case counts
        {ChoixStandard(), "", 1, false},
        {animaleMineure, "Animale, Végétale", 1, true},
        {animaleMineure, "Animale, Végétale", 3, true},
        {animaleMineure, "Animale, Végétale", 4, false},
        {tous(AccesSphere::Aucun), "Générale", 1, false},  // no button checked
        {tous(AccesSphere::Majeur), "Générale", 7, true},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(SortAccessible(c.choix, c.spheres, c.niveau), c.attendu) << c.spheres << " " << c.niveau;
}

TEST(Spheres, ProgressionPretre)
{
    const ListeTexte sorts2(Sorts2);
    struct Cas { const char* classe; QStringList niveaux; const char* attendu; };
    const Cas cas[] = {
        {"Guerrier", {"5"}, ""},
        {"Paladin", {"8"}, ""},         // below the first level with spells
        {"Paladin", {"9"}, "1"},
        {"Paladin", {"10"}, "2"},
        {"Paladin", {"20"}, "2/1"},     // beyond the table: its last row
        {"Clerc", {"3"}, "2/1"},
        {"Clerc", {"5"}, "3/3/1"},
        {"Clerc", {"6"}, "4/4/3/2/1"},  // a later block overrides an earlier one
        {"Clerc", {""}, ""},            // no level
        {"Mage", {"1"}, ""},            // not priest spells
        {"Druide", {"4"}, "??"},        // a block without a row
        {"Ranger", {"8"}, "sans plus"},
        {"Ranger", {"9"}, "2"},
        {"Clerc-Ranger", {"3", "9"}, "2"},   // the last matching block in the file
        {"Barde", {"1"}, ""},           // "NON"
        {"", {"1"}, ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(ProgressionPretre(perso(c.classe, c.niveaux), sorts2), c.attendu) << c.classe << " " << c.niveaux.join('/').toStdString();

    QStringList ouvert = Sorts2;
    ouvert.removeLast();
    EXPECT_EQ(echecDe([&] { ProgressionPretre(perso("Guerrier", {"1"}), ListeTexte(ouvert)); }),
              "Index liste hors bornes");
}

TEST(Spheres, ConstruitSortsDePretre)
{
    const ListeTexte sorts2(Sorts2);
    const ListeTexte catalogue(clercs5());
    std::array<QStringList, 7> listes;
    listes.fill({"reste d'avant"});

    // Clerc 6: five castable levels; the standard choice.
    ConstruitSortsDePretre(perso("Clerc", {"6"}), ChoixStandard(), sorts2, catalogue, listes);
    EXPECT_EQ(listes[0], QStringList{"Soins mineurs&incantation Soins mineurs&durée Soins mineurs&portée Soins mineurs"
                                     "&zone Soins mineurs&composantes Soins mineurs"});
    EXPECT_EQ(noms(listes[1]), QStringList{});
    EXPECT_EQ(noms(listes[2]), QStringList{"Création d'eau"});   // minor access: level 3 yes
    EXPECT_EQ(noms(listes[3]), QStringList{"Rempart"});          // level 4 no
    EXPECT_EQ(noms(listes[4]), QStringList{});
    EXPECT_EQ(noms(listes[5]), QStringList{});                   // beyond the five levels
    EXPECT_EQ(noms(listes[6]), QStringList{});

    // Clerc 7, every sphere: seven levels; the blocks of level 9 and "x" are
    // read past, and the blocks after them are read.
    ConstruitSortsDePretre(perso("Clerc", {"7"}), tous(AccesSphere::Majeur), sorts2, catalogue, listes);
    EXPECT_EQ(noms(listes[0]), (QStringList{"Soins mineurs", "Amitié avec les animaux"}));
    EXPECT_EQ(noms(listes[3]), (QStringList{"Vents", "Charme animal 4", "Rempart"}));
    EXPECT_EQ(noms(listes[5]), QStringList{"Soins 6"});
    EXPECT_EQ(noms(listes[6]), QStringList{"Soins 7"});
    for (const QStringList& l : listes)
        for (const char* nom : {"Hors table", "Pas un nombre"})
            EXPECT_FALSE(noms(l).contains(nom));

    // Animale minor, Végétale none.
    ChoixSpheres animale = tous(AccesSphere::Aucun);
    animale[indice("Animale")] = AccesSphere::Mineur;
    animale[indice("Végétale")] = AccesSphere::PasDAcces;
    ConstruitSortsDePretre(perso("Clerc", {"7"}), animale, sorts2, catalogue, listes);
    EXPECT_EQ(noms(listes[0]), QStringList{"Amitié avec les animaux"});
    EXPECT_EQ(noms(listes[2]), QStringList{"Charme animal"});
    EXPECT_EQ(noms(listes[3]), QStringList{});

    // No button checked, or no priest spells at all: nothing.
    for (const auto& [p, choix] : {std::pair{perso("Clerc", {"7"}), tous(AccesSphere::Aucun)},
                                   std::pair{perso("Paladin", {"8"}), tous(AccesSphere::Majeur)}}) {
        ConstruitSortsDePretre(p, choix, sorts2, catalogue, listes);
        for (const QStringList& l : listes)
            EXPECT_TRUE(l.isEmpty());
    }
}

TEST(Spheres, ConstruitSortsDePretreGardeCeQuiEstConstruitAvantUnEchec)
{
    // The last block is not closed: its spell is listed, then the reader
    // runs past the end.
    QStringList ouvert = clercs5();
    ouvert.removeLast();
    std::array<QStringList, 7> listes;
    EXPECT_EQ(echecDe([&] {
        ConstruitSortsDePretre(perso("Clerc", {"7"}), tous(AccesSphere::Majeur), ListeTexte(Sorts2), ListeTexte(ouvert), listes);
    }), "Index liste hors bornes");
    EXPECT_EQ(noms(listes[0]).size(), 2);
    EXPECT_EQ(noms(listes[6]), QStringList{"Soins 7"});

    // A missing catalogue: the lists were emptied first.
    DossierTemporaire dossier;
    ListeTexte(Sorts2).sauve(dossier.chemin("sorts2.dat"));
    listes.fill({"reste d'avant"});
    const QString absent = dossier.chemin("Clercs5.dat");
    EXPECT_EQ(echecDe([&] {
        ConstruitSortsDePretre(perso("Clerc", {"7"}), tous(AccesSphere::Majeur),
                               [&] { return ListeTexte::charge(dossier.chemin("sorts2.dat")); },
                               [&] { return ListeTexte::charge(absent); }, listes);
    }), "Ne peut ouvrir le fichier " + absent);
    for (const QStringList& l : listes)
        EXPECT_TRUE(l.isEmpty());
}
