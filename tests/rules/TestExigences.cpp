#include "Echec.h"
#include "Exigences.h"
#include "Fichiers.h"

#include <gtest/gtest.h>

namespace {

// A small file of the layout: comments and blank lines between the records.
QStringList fichier()
{
    return lignesUtf8({
        "; Exigences de test",
        "",
        "Limites raciales",
        "; Race&min/max...",
        "Nain&8/18&3/17&11/18&3/18&3/18&3/17",
        "Ajustements raciaux",
        "Nain&0&0&+1&0&0&-1",
        "Hobbit&-1&+1&0&0&0&0",
        "Minimums de classe",
        "Guerrier&9&-&-&-&-&-",
        "Clerc&-&-&-&-&9&-",
        "Voleur&-&9&-&-&-&-",
        "Paladin&12&-&9&-&13&17",
        "",
        "Classes permises",
        "Nain&Guerrier&Clerc&Voleur&Clerc-Guerrier&Guerrier-Voleur",
        "Humain&Voleur&Guerrier&Paladin",
        "Hobbit&Guerrier",
    });
}

Exigences lit(const QStringList& lignes) { return LitExigences(ListeTexte(lignes)); }

QStringList remplace(QStringList lignes, const QString& avant, const QString& apres)
{
    lignes[lignes.indexOf(avant)] = apres;
    return lignes;
}

}

TEST(Exigences, LectureDuFichier)
{
    const Exigences e = lit(fichier());
    ASSERT_EQ(e.races.size(), 6);
    const ExigencesRace& nain = e.races[Classes::Races().indexOf("Nain")];
    EXPECT_EQ(nain.minimums, (Scores{8, 3, 11, 3, 3, 3}));
    EXPECT_EQ(nain.maximums, (Scores{18, 17, 18, 18, 18, 17}));
    EXPECT_EQ(nain.ajustements, (Scores{0, 0, 1, 0, 0, -1}));
    // In the order of the class list, whatever the file's.
    EXPECT_EQ(e.races[Classes::Races().indexOf("Humain")].classes, (QStringList{"Guerrier", "Paladin", "Voleur"}));
    EXPECT_EQ(e.races[Classes::Races().indexOf("Hobbit")].ajustements, (Scores{-1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(e.minimums[static_cast<std::size_t>(ClasseDeBase::Paladin)], (Scores{12, 0, 9, 0, 13, 17}));
    EXPECT_EQ(e.minimums[static_cast<std::size_t>(ClasseDeBase::Mage)], (Scores{}));
}

// The racial limits hold for the scores as rolled; the adjustments come
// after. A race without classes in the file is never offered.
TEST(Exigences, LimitesRacialesAvantLesAjustements)
{
    const Exigences e = lit(fichier());
    struct Cas { Scores tires; QStringList races; };
    const Cas cas[] = {
        {{12, 12, 11, 12, 12, 12}, {"Humain", "Hobbit", "Nain"}},
        {{12, 12, 10, 12, 12, 12}, {"Humain", "Hobbit"}},   // 10 + 1 would make 11: refused all the same
        {{12, 18, 12, 12, 12, 12}, {"Humain", "Hobbit"}},   // the dwarf's Dextérité reaches 17 only
        {{7, 12, 12, 12, 12, 12}, {"Humain", "Hobbit"}},
        {{8, 3, 11, 3, 3, 17}, {"Humain", "Hobbit", "Nain"}},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(RacesPermises(e, c.tires), c.races) << c.races.join(",").toStdString();

    EXPECT_EQ(ScoresAjustes(e, "Nain", {12, 12, 10, 12, 12, 12}), (Scores{12, 12, 11, 12, 12, 11}));
    EXPECT_EQ(ScoresAjustes(e, "Hobbit", {12, 12, 10, 12, 12, 12}), (Scores{11, 13, 10, 12, 12, 12}));
    EXPECT_EQ(ScoresAjustes(e, "Humain", {12, 12, 10, 12, 12, 12}), (Scores{12, 12, 10, 12, 12, 12}));
}

// The classes of the race that the adjusted scores allow: a multi-class
// needs the minimums of each of its classes.
TEST(Exigences, ClassesPermisesParLaRaceEtLesScores)
{
    const Exigences e = lit(fichier());
    struct Cas { const char* race; Scores ajustes; QStringList classes; };
    const Cas cas[] = {
        {"Nain", {9, 9, 12, 9, 9, 9}, {"Clerc", "Guerrier", "Voleur", "Clerc-Guerrier", "Guerrier-Voleur"}},
        {"Nain", {9, 8, 12, 9, 9, 9}, {"Clerc", "Guerrier", "Clerc-Guerrier"}},          // Voleur lacks 9 in Dextérité
        {"Nain", {8, 9, 12, 9, 9, 9}, {"Clerc", "Voleur"}},                              // Guerrier lacks 9 in Force
        {"Humain", {12, 3, 9, 3, 13, 17}, {"Guerrier", "Paladin"}},
        {"Humain", {12, 3, 9, 3, 13, 16}, {"Guerrier"}},
        {"Elfe", {18, 18, 18, 18, 18, 18}, {}},                                           // no classes in this file
    };
    for (const Cas& c : cas)
        EXPECT_EQ(ClassesPermises(e, c.race, c.ajustes), c.classes) << c.race << " " << c.classes.join(",").toStdString();
    EXPECT_FALSE(SatisfaitMinimums(e, "Guerrier-Voleur", {9, 8, 12, 9, 9, 9}));
    EXPECT_TRUE(SatisfaitMinimums(e, "Mage", {3, 3, 3, 3, 3, 3}));
}

// A file that does not hold to the layout is damaged: the reader throws the
// failure of a list read past its end.
TEST(Exigences, FichierAbime)
{
    const QStringList bon = fichier();
    QStringList sansCle = bon;
    sansCle.removeAll("Classes permises");
    QStringList sansAjustements = bon;   // the key and its records
    sansAjustements.remove(sansAjustements.indexOf("Ajustements raciaux"), 3);
    QStringList deuxFois = bon;
    deuxFois.append("Classes permises");
    QStringList desordre = bon;
    desordre.swapItemsAt(desordre.indexOf("Limites raciales"), desordre.indexOf("Ajustements raciaux"));
    const QStringList cas[] = {
        {},
        bon.mid(0, bon.indexOf("Classes permises")),
        sansCle,
        sansAjustements,
        deuxFois,
        desordre,
        QStringList{"Nain&8/18&3/17&11/18&3/18&3/18&3/17"} + bon,                                   // before any key
        remplace(bon, "Paladin&12&-&9&-&13&17", "Paladin&25&-&9&-&13&17"),                        // 25
        remplace(bon, "Paladin&12&-&9&-&13&17", "Paladin&2&-&9&-&13&17"),
        remplace(bon, "Paladin&12&-&9&-&13&17", "Paladin&12&-&9&-&13"),                           // a column short
        remplace(bon, "Paladin&12&-&9&-&13&17", "Paladin&12&-&9&-&13&17&3"),                      // a column more
        remplace(bon, "Paladin&12&-&9&-&13&17", "Paladin&douze&-&9&-&13&17"),
        remplace(bon, "Paladin&12&-&9&-&13&17", "Clerc-Guerrier&12&-&9&-&13&17"),                 // not a single class
        remplace(bon, "Paladin&12&-&9&-&13&17", "Guerrier&12&-&9&-&13&17"),                       // twice
        remplace(bon, "Nain&8/18&3/17&11/18&3/18&3/18&3/17", "Nain&8/18&3/17&11/10&3/18&3/18&3/17"),   // min > max
        remplace(bon, "Nain&8/18&3/17&11/18&3/18&3/18&3/17", "Nain&8/19&3/17&11/18&3/18&3/18&3/17"),
        remplace(bon, "Nain&8/18&3/17&11/18&3/18&3/18&3/17", "Nain&8&3/17&11/18&3/18&3/18&3/17"),
        remplace(bon, "Nain&8/18&3/17&11/18&3/18&3/18&3/17", "Orque&8/18&3/17&11/18&3/18&3/18&3/17"),
        remplace(bon, "Nain&0&0&+1&0&0&-1", "Nain&0&0&+4&0&0&-1"),
        remplace(bon, "Hobbit&-1&+1&0&0&0&0", "Nain&-1&+1&0&0&0&0"),                              // a race twice
        remplace(bon, "Hobbit&Guerrier", "Hobbit&Guerrier&Sorcier"),                              // unknown class
        remplace(bon, "Hobbit&Guerrier", "Hobbit&Guerrier&Guerrier"),
        remplace(bon, "Hobbit&Guerrier", "Hobbit"),
        remplace(bon, "Hobbit&Guerrier", "Hobbit&"),
        remplace(bon, "Classes permises", "Classes permises "),                                   // a trailing blank
    };
    for (const QStringList& lignes : cas)
        EXPECT_EQ(echecDe([&] { lit(lignes); }), Messages::indexHorsBornes()) << lignes.join(" | ").toStdString();
    EXPECT_EQ(echecDe([&] { lit(bon); }), "");
}

// On disk: a file that is not there cannot be opened; a damaged one fails
// as in memory.
TEST(Exigences, ChargeDepuisLeDisque)
{
    DossierTemporaire d;
    const QString absent = d.chemin(NomFichierExigences);
    EXPECT_EQ(echecDe([&] { ChargeExigences(absent); }), "Ne peut ouvrir le fichier " + absent);

    const QString bon = d.ecrit("bon.dat", fichier().join("\r\n").toLatin1() + "\r\n");
    EXPECT_EQ(ChargeExigences(bon), lit(fichier()));
    const QString abime = d.ecrit("abime.dat", "Limites raciales\r\nNain&8/18&3/17&11/18\r\n");
    EXPECT_EQ(echecDe([&] { ChargeExigences(abime); }), Messages::indexHorsBornes());
}
