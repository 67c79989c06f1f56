#include "CatalogueSorts.h"

#include "Fichiers.h"

#include <gtest/gtest.h>

TEST(CatalogueSorts, PlaceTrieeSansCasseNiAccents)
{
    const QStringList liste = lignesUtf8({"Armure&1", "bouclier&1", "Cécité&2", "Charme&1", "Sommeil&1"});
    struct Cas {
        const char* ligne;
        qsizetype place;
    };
    const Cas cas[] = {
        {"Alarme&1", 0},
        {"Bouclier&1", 1},     // upper case before lower case of the same word
        {"bouclier&1", 2},     // an equal line goes after
        {"Cecite&2", 2},       // without accent, before the accented one
        {"Cerveau&1", 3},      // "é" among the "e"
        {"Zone&1", 5},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(PlaceTriee(liste, QString::fromUtf8(c.ligne)), c.place) << c.ligne;
    EXPECT_EQ(PlaceTriee({}, "Seul"), 0);
}

TEST(CatalogueSorts, DetailsDUnEnregistrement)
{
    EXPECT_EQ(DetailsDe("Toile&2&2 tours/niv.&5 m/niv.&Cube de 3 m&V, S, M (toile & soie)"),
              (DetailsSort{"2", "2 tours/niv.", "5 m/niv.", "Cube de 3 m", "V, S, M (toile & soie)"}));
    EXPECT_EQ(DetailsDe("Nom&5"), (DetailsSort{"", "", "", "", "5"}));
    EXPECT_EQ(DetailsDe("Sans champ"), (DetailsSort{"", "", "", "", "Sans champ"}));
    EXPECT_EQ(EnregistrementSort("Toile", {"2", "", "5 m", "Cube", "V & S"}), "Toile&2&&5 m&Cube&V & S");
}

TEST(CatalogueSorts, PourcentageAccepte)
{
    struct Cas {
        const char* texte;
        bool accepte;
    };
    const Cas cas[] = {
        {"", true},   {"1", true},      {"100", true},   {" 7", true},   {"+7", true},   {"$1F", true},
        {"0", false}, {"101", false},   {"-0", false},   {"-5", false},  {"50abc", false}, {"50 ", false},
        {"5.0", false}, {"abc", false}, {"1234567890123456789012345678901234567890", false},
        {"4294967346", false},   // 50 beyond 2^32: no wrap-around
    };
    for (const Cas& c : cas)
        EXPECT_EQ(PourcentageAccepte(QString::fromUtf8(c.texte)), c.accepte) << c.texte;
}

TEST(CatalogueSorts, EtatDuSortSelonLIntelligence)
{
    const QStringList sorts = lignesUtf8({"Sommeil&50", "Bouclier&51", "Armure&abc", "Charme&1", "Charme&60"});
    struct Cas {
        const char* nom;
        const char* intelligence;
        EtatSort etat;
    };
    const Cas cas[] = {
        {"Sommeil", "12", EtatSort::Appris},    // at exactly the chance (50)
        {"Bouclier", "12", EtatSort::Rate},     // one above
        {"Bouclier", "13", EtatSort::Appris},   // chance 55
        {"Sommeil", "8", EtatSort::Rate},       // below 9: no chance at all
        {"Charme", "8", EtatSort::Rate},
        {"Sommeil", "", EtatSort::Rate},
        {"Sommeil", "26", EtatSort::Rate},
        {"Armure", "8", EtatSort::Appris},      // a percentage that is no number
        {"Charme", "18", EtatSort::Appris},     // the last entry of the name: 60 <= 85
        {"Charme", "12", EtatSort::Rate},       // 60 > 50, whatever the first entry says
        {"Lumière", "18", EtatSort::NonChoisi},
        {"sommeil", "18", EtatSort::NonChoisi}, // names compare with case
    };
    for (const Cas& c : cas)
        EXPECT_EQ(EtatDuSort(sorts, QString::fromUtf8(c.nom), c.intelligence), c.etat) << c.nom << " " << c.intelligence;
}

TEST(CatalogueSorts, FixePourcentage)
{
    QStringList sorts = lignesUtf8({"Charme&10", "Sommeil&20", "Charme&30"});
    FixePourcentage(sorts, "Sommeil", "25");   // keeps its place
    EXPECT_EQ(sorts, lignesUtf8({"Charme&10", "Sommeil&25", "Charme&30"}));
    FixePourcentage(sorts, "Charme", "");      // the last one of the name goes
    EXPECT_EQ(sorts, lignesUtf8({"Charme&10", "Sommeil&25"}));
    FixePourcentage(sorts, "Lumière", " 7");   // kept as typed
    EXPECT_EQ(sorts, lignesUtf8({"Charme&10", "Sommeil&25", "Lumière& 7"}));
    FixePourcentage(sorts, "Absent", "");      // nothing to remove
    EXPECT_EQ(sorts.size(), 3);
}

// A character's spells read from a file: level 1 gains the names it lacks,
// each once, in their sorted places; every level marks the last record of
// each name, exactly; a name a later level lacks marks nothing there.
TEST(CatalogueSorts, MarqueSortsDuPersonnage)
{
    const QString inconnu = DetailsSortInconnu;
    CatalogueSorts catalogue;
    catalogue[0] = {"Bouclier&1", "Sommeil&a", "Sommeil&b", "sommeil&c"};
    catalogue[1] = {"Boule de feu&x", "Boule de feu&y"};
    std::array<QStringList, NombreNiveauxSorts> sorts;
    sorts[0] = {"Zèbre&1", "Sommeil&5", "Abricot&2", "Zèbre&3", "Bouclier", "SOMMEIL&9"};
    sorts[1] = {"Boule de feu&3", "Inconnu&3"};
    const MarquesSorts marques = MarqueSortsDuPersonnage(catalogue, sorts);
    // "Bouclier" has no "&": its name is the empty text.
    EXPECT_EQ(catalogue[0], (QStringList{inconnu, "Abricot" + inconnu, "Bouclier&1", "Sommeil&a", "Sommeil&b",
                                         "sommeil&c", "SOMMEIL" + inconnu, "Zèbre" + inconnu}));
    EXPECT_EQ(marques[0], (QList<int>{0, 1, 4, 6, 7}));
    EXPECT_EQ(catalogue[1], (QStringList{"Boule de feu&x", "Boule de feu&y"}));
    EXPECT_EQ(marques[1], QList<int>{1});
    for (std::size_t n = 2; n < marques.size(); ++n)
        EXPECT_TRUE(marques[n].isEmpty());
}

// Searching a level: the last record of a name, exactly; the records of the
// names the character holds, every one of them.
TEST(CatalogueSorts, ChercherEtRetrouverLesChoisis)
{
    const QStringList niveau = lignesUtf8({"Armure&1", "Charme&1", "Charme&2", "Sommeil&1", "charme&3"});
    EXPECT_EQ(ChercheSort(niveau, "Charme"), 2);
    EXPECT_EQ(ChercheSort(niveau, "charme"), 4);
    EXPECT_EQ(ChercheSort(niveau, "Armure"), 0);
    EXPECT_EQ(ChercheSort(niveau, "Absent"), -1);
    EXPECT_EQ(ChercheSort({}, "Charme"), -1);

    EXPECT_EQ(PlacesChoisies(niveau, lignesUtf8({"Charme&40", "Inconnu&3", "Sommeil&5"})), (QList<int>{1, 2, 3}));
    EXPECT_EQ(PlacesChoisies(niveau, {}), QList<int>{});
}

// The percentage drawn before a spell, and the one the percentage field
// holds when a spell is acted upon.
TEST(CatalogueSorts, PourcentagesAfficheEtPropose)
{
    const QStringList sorts = lignesUtf8({"Charme&40", "Sommeil&12&extra", "Charme&55"});
    EXPECT_EQ(PourcentageAffiche(sorts, "Charme", EtatSort::Appris, true), "55 % ");
    EXPECT_EQ(PourcentageAffiche(sorts, "Sommeil", EtatSort::Rate, true), "12&extra % ");
    EXPECT_EQ(PourcentageAffiche(sorts, "Charme", EtatSort::Appris, false), "");
    EXPECT_EQ(PourcentageAffiche(sorts, "Armure", EtatSort::NonChoisi, true), "");

    struct Cas {
        const char* nom;
        bool pourcent, vientDEtreChoisi;
        const char* propose;
    };
    const Cas cas[] = {
        {"Charme", true, false, "55"},   // the last entry of the name
        {"Sommeil", true, false, "12&extra"},
        {"Charme", true, true, ""},
        {"Armure", true, false, ""},
        {"Charme", false, true, "1"},
        {"Charme", false, false, ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(PourcentagePropose(sorts, c.nom, c.pourcent, c.vientDEtreChoisi), c.propose)
            << c.nom << " " << c.pourcent << " " << c.vientDEtreChoisi;
}
