// The data shipped beside the program, read through the program's own text
// list: the layouts every reader relies on, the encoding, the consistency
// between files, and a few figures a reader of the rules looks at first.
#include "Ajustements.h"
#include "Champs.h"
#include "Classes.h"
#include "Combat.h"
#include "Exigences.h"
#include "Perso.h"
#include "ResumeClasseRace.h"
#include "Spheres.h"
#include "Collation.h"
#include "Fichiers.h"
#include "ListeTexte.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString chemin(const QString& nom) { return QDir(DossierDonnees()).filePath(nom); }
ListeTexte charge(const QString& nom) { return ListeTexte::charge(chemin(nom)); }

bool estEntier(const QString& t) { return EntierOuDefaut(t) != -32767 && !t.startsWith(' '); }

const QStringList sept = {"Clerc", "Druide", "Guerrier", "Paladin", "Ranger", "Mage", "Illusioniste", "Voleur", "Barde"};
const QStringList classesXP = {"Guerrier", "Paladin", "Ranger", "Mage", "Illusioniste", "Clerc", "Druide", "Voleur", "Barde"};
const QStringList spheres = {"Animale", "Astrale", "Charme", "Climat", "Combat", "Conjuration", "Création",
                             "Divination", "Elémentaire", "Garde", "Générale", "Nécromantique", "Protection",
                             "Soins", "Soleil", "Végétale"};

}

TEST(Donnees, EncodageEtFinsDeLigne)
{
    const QStringList fichiers = {"XP.dat", "ST.dat", "Vardel.Aju", "comprace.dat", "sorts2.dat", "Clercs5.dat",
                                  "Vardel.cat", "Vardel.nwp", "Vardel.Arm", "Mage.mag", "Exigences.dat"};
    for (const QString& nom : fichiers) {
        SCOPED_TRACE(nom.toStdString());
        QFile f(chemin(nom));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        ASSERT_FALSE(octets.isEmpty());
        EXPECT_TRUE(octets.endsWith("\r\n"));
        for (qsizetype i = 0; i < octets.size(); ++i) {
            const auto o = static_cast<unsigned char>(octets[i]);
            ASSERT_FALSE(o == 0x81 || o == 0x8D || o == 0x8F || o == 0x90 || o == 0x9D) << "octet indéfini en " << i;
            ASSERT_FALSE(o < 0x20 && o != '\r' && o != '\n') << "caractère de contrôle en " << i;
            if (o == '\r') {
                ASSERT_TRUE(i + 1 < octets.size() && octets[i + 1] == '\n') << "CR seul en " << i;
            }
            if (o == '\n') {
                ASSERT_TRUE(i > 0 && octets[i - 1] == '\r') << "LF seul en " << i;
            }
        }
        // The text list reads it back line for line.
        EXPECT_EQ(charge(nom).count(), octets.count("\r\n"));
    }
}

TEST(Donnees, Experience)
{
    const ListeTexte xp = charge("XP.dat");
    ASSERT_EQ(xp.count(), 9 * 21);
    for (int s = 0; s < 9; ++s) {
        EXPECT_EQ(xp.at(21 * s), classesXP[s]);
        for (int j = 1; j <= 20; ++j) {
            ASSERT_TRUE(estEntier(xp.at(21 * s + j))) << classesXP[s].toStdString() << " " << j;
            if (j > 1 && classesXP[s] != "Druide") {   // the druid starts again after the grand druid
                EXPECT_GT(EntierOuDefaut(xp.at(21 * s + j)), EntierOuDefaut(xp.at(21 * s + j - 1)));
            }
        }
    }
    const auto figure = [&](const QString& classe, int niveau) {
        return EntierOuDefaut(xp.at(21 * classesXP.indexOf(classe) + niveau));
    };
    EXPECT_EQ(figure("Guerrier", 1), 2000);
    EXPECT_EQ(figure("Paladin", 1), 2250);
    EXPECT_EQ(figure("Mage", 1), 2500);
    EXPECT_EQ(figure("Clerc", 1), 1500);
    EXPECT_EQ(figure("Voleur", 1), 1250);
    EXPECT_EQ(figure("Guerrier", 8), 250000);   // to reach level 9
    EXPECT_EQ(figure("Guerrier", 9), 500000);
}

TEST(Donnees, JetsDeProtection)
{
    const ListeTexte st = charge("ST.dat");
    ASSERT_EQ(st.count(), 425);
    const QStringList titres = {"Paralysie, Poison, Mort magique", "Bâton, Bâtonnet, Baguette",
                                "Pétrification, Métamorphose", "Souffle", "Sort"};
    for (int b = 0; b < 5; ++b) {
        EXPECT_EQ(st.at(85 * b), titres[b]);
        for (int l = 1; l < 85; ++l) {
            const int v = EntierOuDefaut(st.at(85 * b + l));
            ASSERT_TRUE(v >= 1 && v <= 20) << "ligne " << 85 * b + l;
        }
    }
    // Block, level, column (0 priest, 1 rogue, 2 warrior, 3 wizard).
    const auto jet = [&](int b, int niveau, int k) { return EntierOuDefaut(st.at(85 * (b - 1) + 1 + 4 * (niveau - 1) + k)); };
    EXPECT_EQ(jet(1, 1, 0), 10);
    EXPECT_EQ(jet(1, 1, 1), 13);
    EXPECT_EQ(jet(1, 1, 2), 14);
    EXPECT_EQ(jet(1, 1, 3), 14);
    EXPECT_EQ(jet(4, 1, 2), 17);
    EXPECT_EQ(jet(5, 1, 3), 12);
    EXPECT_EQ(jet(1, 17, 2), 3);
}

TEST(Donnees, AjustementsDesCaracteristiques)
{
    const ListeTexte aju = charge("Vardel.Aju");
    const QStringList cles = {"Toucher", "Degats", "PoidsAutorise", "Charge", "Portes", "Barreaux", "NombreLangues",
                              "NiveauMaxSorts", "ConnaitreLesSorts", "NombreMaxDeSorts", "ImmuniteIllusions",
                              "DefenseMagie", "BonusSorts", "EchecSorts", "ImmuniteSorts", "ReactionProjectiles",
                              "Defense", "AjustementPV", "ChocMetabolique", "Resurrection", "Poison", "Regeneration",
                              "Reaction", "MaxSuivants", "Loyaute"};
    QStringList toutes = cles;
    for (int i = 0; i < 6; ++i)
        toutes.append("ExtraForce" + cles[i]);
    // The first line matching a key (any case) is the key's own line, and
    // the values under it are all there.
    const auto ligneDe = [&](const QString& cle) -> qsizetype {
        for (qsizetype i = 0; i < aju.count(); ++i)
            if (aju.at(i).compare(cle, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    };
    for (const QString& cle : toutes) {
        const qsizetype i = ligneDe(cle);
        ASSERT_GE(i, 0) << cle.toStdString();
        EXPECT_EQ(aju.at(i), cle);
        const int valeurs = cle.startsWith("ExtraForce") ? 100 : 25;
        ASSERT_LT(i + valeurs, aju.count()) << cle.toStdString();
        for (int s = 1; s <= valeurs; ++s) {
            const QString v = aju.at(i + s);
            EXPECT_FALSE(v.isEmpty()) << cle.toStdString() << " " << s;
            for (const QString& autre : toutes)
                ASSERT_NE(v.compare(autre, Qt::CaseInsensitive), 0) << cle.toStdString() << " " << s;
        }
    }
    const auto valeur = [&](const QString& cle, int score) { return aju.at(ligneDe(cle) + score); };
    EXPECT_EQ(valeur("ExtraForceToucher", 100), "+3");
    EXPECT_EQ(valeur("ExtraForceDegats", 100), "+6");
    EXPECT_EQ(valeur("Toucher", 3), "-3");
    EXPECT_EQ(valeur("Defense", 18), "-4");
}

TEST(Donnees, CapacitesRaciales)
{
    const ListeTexte races = charge("comprace.dat");
    for (const char* race : {"Humain", "Elfe", "Demi-Elfe", "Hobbit", "Nain", "Gnome"}) {
        qsizetype i = 0;
        while (i < races.count() && races.at(i).compare(QString::fromUtf8(race), Qt::CaseInsensitive) != 0)
            ++i;
        ASSERT_LT(i, races.count()) << race;
        qsizetype fin = i + 1;
        while (fin < races.count() && !races.at(fin).isEmpty())
            ++fin;
        ASSERT_LT(fin, races.count()) << race << " : bloc sans ligne vide finale";
        EXPECT_GE(fin - i - 1, 2) << race;
    }
    EXPECT_TRUE(races.lignes().last().isEmpty());
}

TEST(Donnees, SortsParJour)
{
    const ListeTexte sorts = charge("sorts2.dat");
    QStringList classes;
    QMap<QString, QString> debut, type;
    qsizetype i = 0;
    while (i < sorts.count()) {
        const QString classe = sorts.at(i);
        classes.append(classe);
        const bool lance = sorts.at(i + 1) == "OUI";
        type[classe] = sorts.at(i + 2);
        debut[classe] = sorts.at(i + 3);
        i += 4;
        int rangees = 0;
        while (sorts.at(i) != "***") {
            if (lance) {
                static const QRegularExpression forme("^[1-9](/[1-9])*$");
                const QString l = sorts.at(i);
                EXPECT_TRUE(forme.match(l.mid(l.indexOf('+') + 1)).hasMatch()) << l.toStdString();
            }
            ++rangees;
            ++i;
        }
        if (lance) {
            EXPECT_GT(rangees, 0) << classe.toStdString();
        }
        ++i;
    }
    EXPECT_EQ(classes, classesXP);
    for (const char* c : {"Clerc", "Druide", "Paladin", "Ranger"})
        EXPECT_EQ(type[c], "Prêtre") << c;
    for (const char* c : {"Mage", "Illusioniste", "Barde"})
        EXPECT_NE(type[c], "Prêtre") << c;
    EXPECT_EQ(debut["Paladin"], "9");
    EXPECT_EQ(debut["Ranger"], "8");
    EXPECT_EQ(debut["Clerc"], "1");
}

TEST(Donnees, SortsDePretre)
{
    const ListeTexte clercs = charge("Clercs5.dat");
    qsizetype i = 0;
    int niveauAttendu = 1;
    int total = 0;
    while (i < clercs.count()) {
        ASSERT_EQ(clercs.at(i), QString::number(niveauAttendu)) << "ligne " << i;
        ++i;
        int sorts = 0;
        while (clercs.at(i) != "***") {
            for (int k = 0; k < 9; ++k)
                ASSERT_FALSE(clercs.at(i + k).isEmpty()) << "ligne " << i + k;
            // Every sphere named is one of the sixteen.
            QString ligne = clercs.at(i + 1);
            ligne.remove(QRegularExpression("\\([^)]*\\)"));
            for (const QString& s : ligne.split(',')) {
                EXPECT_TRUE(spheres.contains(s.trimmed())) << clercs.at(i).toStdString() << " : " << s.toStdString();
            }
            i += 9;
            ++sorts;
        }
        ++i;
        EXPECT_GE(sorts, 10) << "niveau " << niveauAttendu;
        total += sorts;
        ++niveauAttendu;
    }
    EXPECT_EQ(niveauAttendu, 8);
    EXPECT_GE(total, 150);
}

TEST(Donnees, CompetencesEtCategories)
{
    const ListeTexte nwp = charge("Vardel.nwp");
    QStringList noms;
    for (const QString& l : nwp.lignes()) {
        ASSERT_EQ(l.count('&'), 3) << l.toStdString();
        noms.append(Champ1(l));
        EXPECT_TRUE(EstEntierEntre(Champ2(l), 1, 3)) << l.toStdString();
    }
    EXPECT_GE(noms.size(), 50);
    EXPECT_EQ(QSet<QString>(noms.begin(), noms.end()).size(), noms.size());

    const ListeTexte cat = charge("Vardel.cat");
    QStringList groupes;
    qsizetype i = 0;
    while (i < cat.count()) {
        groupes.append(cat.at(i++));
        int membres = 0;
        while (cat.at(i) != "FIN") {
            EXPECT_TRUE(noms.contains(cat.at(i))) << groupes.last().toStdString() << " : " << cat.at(i).toStdString();
            ++membres;
            ++i;
        }
        EXPECT_GT(membres, 0);
        ++i;
    }
    EXPECT_EQ(groupes, (QStringList{"GENERAL", "COMBATTANT", "MAGICIEN", "PRETRE", "LARRON"}));
}

TEST(Donnees, ArmesEtSpecialisationsCouteuses)
{
    QStringList armes = charge("Vardel.Arm").lignes();
    for (const QString& l : armes)
        ASSERT_EQ(l.count('&'), 4) << l.toStdString();
    EXPECT_GE(armes.size(), 50);
    Collation::trie(armes);
    // The seven first in the lists' order are the bows and crossbows, whose
    // specialisation costs two more slots; no other weapon is one.
    for (qsizetype i = 0; i < armes.size(); ++i) {
        const QString nom = Champ1(armes[i]);
        const bool arc = nom.startsWith("Arc ") || nom.startsWith(QStringLiteral("Arbalète"));
        EXPECT_EQ(arc, i < 7) << i << " " << nom.toStdString();
    }
}

TEST(Donnees, CatalogueDesSortsDeMage)
{
    const ListeTexte mag = charge("Mage.mag");
    int niveau = 1;
    QList<int> parNiveau = {0};
    for (const QString& l : mag.lignes()) {
        ASSERT_LE(niveau, 9) << "ligne après le neuvième ***";
        if (l == "***") {
            ++niveau;
            parNiveau.append(0);
            continue;
        }
        EXPECT_EQ(l.count('&'), 5) << l.toStdString();
        EXPECT_FALSE(Champ1(l).isEmpty());
        ++parNiveau.last();
    }
    EXPECT_EQ(niveau, 10);
    for (int n = 0; n < 9; ++n)
        EXPECT_GE(parNiveau[n], 10) << "niveau " << n + 1;
}

// The shipped data files, read through the program's own readers, give the
// published figures for a few typical characters.
TEST(Donnees, FiguresDePersonnagesTypes)
{
    {
        const ListeTexte aju = charge("Vardel.Aju");
        Personnage p = perso("Guerrier", {"5"});
        p.force = "18";
        p.extra = "100";
        p.intelligence = "17";
        p.sagesse = "18";
        p.dexterite = "16";
        p.constitution = "16";
        p.charisme = "13";
        std::array<QString, NombreAjustements> a;
        CalculeAjustements(p, aju, a);
        EXPECT_EQ(a[Ajustement::Toucher], "+3");
        EXPECT_EQ(a[Ajustement::Degats], "+6");
        EXPECT_EQ(a[Ajustement::PoidsAutorise], "335");
        EXPECT_EQ(a[Ajustement::Charge], "480");
        EXPECT_EQ(a[Ajustement::Barreaux], "40%");
        EXPECT_EQ(a[Ajustement::NombreLangues], "6");
        EXPECT_EQ(a[Ajustement::DefenseMagie], "+4");
        EXPECT_EQ(a[Ajustement::ReactionProjectiles], "+1");
        EXPECT_EQ(a[Ajustement::Defense], "-2");
        EXPECT_EQ(a[Ajustement::AjustementPV], "+2");
        EXPECT_EQ(a[Ajustement::Reaction], "+1");
        p.classe = "Mage";   // the same 18 without exceptional strength
        CalculeAjustements(p, aju, a);
        EXPECT_EQ(a[Ajustement::Toucher], "+1");
        EXPECT_EQ(a[Ajustement::Degats], "+2");
        // Every key holds a value for every score.
        for (int s = 1; s <= 25; ++s) {
            Personnage q;
            q.classe = "Guerrier";
            q.force = q.intelligence = q.sagesse = q.dexterite = q.constitution = q.charisme = QString::number(s);
            for (int x = (s == 18 ? 1 : 0); x <= (s == 18 ? 100 : 0); ++x) {
                q.extra = QString::number(x);
                ASSERT_EQ(echecDe([&] { CalculeAjustements(q, aju, a); }), "") << s << " " << x;
                for (const QString& v : a)
                    EXPECT_NE(v, AjustementNonTrouve) << s;
            }
        }
    }

    {
        const ListeTexte comprace = charge("comprace.dat");
        const ListeTexte xp = charge("XP.dat");
        Personnage clerc = perso("Clerc", {"5"});
        clerc.race = "Humain";
        clerc.sagesse = "17";
        QStringList lignes;
        ResumeClasseRace(clerc, ChoixStandard(), comprace, xp, lignes);
        EXPECT_EQ(lignes.first(), "Aucun ajustement de caractéristiques");
        EXPECT_TRUE(lignes.contains("+10% XP Clerc "));
        EXPECT_TRUE(lignes.contains("Sorts de clerc/jour : 3/3/1 (niveau de maîtrise 5)"));
        EXPECT_TRUE(lignes.contains("XP pour niveau suivant : 27500 ( Clerc )"));

        Personnage elfe = perso("Mage-Voleur", {"4", "5"});
        elfe.race = "Elfe";
        ResumeClasseRace(elfe, ChoixStandard(), comprace, xp, lignes);
        EXPECT_EQ(lignes.first(), "Ajustements : Dextérité +1, Constitution -1");
        EXPECT_TRUE(lignes.contains("Sorts de mage/jour : 3/2 (niveau de maîtrise 4)"));
        EXPECT_TRUE(lignes.contains("Compétences de Voleur : Attaque dans le dos x3"));

        // Every race has its block, closed by an empty line.
        for (const QString& race : Classes::Races()) {
            Personnage p = perso("Guerrier", {"1"});
            p.race = race;
            ASSERT_EQ(echecDe([&] { ResumeClasseRace(p, ChoixStandard(), comprace, xp, lignes); }), "") << race.toStdString();
            EXPECT_GE(lignes.size(), 2) << race.toStdString();
        }
    }

    {
        const ListeTexte sorts2 = charge("sorts2.dat");
        const ListeTexte clercs5 = charge("Clercs5.dat");
        std::array<QStringList, 7> listes;
        ConstruitSortsDePretre(perso("Clerc", {"5"}), ChoixStandard(), sorts2, clercs5, listes);
        EXPECT_TRUE(listes[0].contains("Bénédiction&1 round&6 rounds&60 m&Cube de 15 m&V, S, M"));
        EXPECT_FALSE(listes[0].contains("Amitié avec les animaux&1 h&Permanente&10 m&1 animal&V, S, M"));
        EXPECT_FALSE(listes[2].isEmpty());
        EXPECT_TRUE(listes[3].isEmpty());

        struct Cas { const char* classe; const char* niveau; qsizetype niveaux; };
        const Cas cas[] = {{"Clerc", "20", 7}, {"Druide", "9", 5}, {"Paladin", "20", 4}, {"Ranger", "16", 3},
                           {"Paladin", "8", 0}, {"Mage", "20", 0}};
        ChoixSpheres toutes{};
        toutes.fill(AccesSphere::Majeur);
        ConstruitSortsDePretre(perso("Clerc", {"3"}), toutes, sorts2, clercs5, listes);
        EXPECT_TRUE(listes[1].contains("Aide&4&1 round + 1 round/niv.&Contact&1 créature&V, S, M"));
        for (const Cas& c : cas) {
            ConstruitSortsDePretre(perso(c.classe, {c.niveau}), toutes, sorts2, clercs5, listes);
            for (qsizetype n = 0; n < 7; ++n)
                EXPECT_EQ(listes[static_cast<std::size_t>(n)].isEmpty(), n >= c.niveaux) << c.classe << " " << n + 1;
        }
    }
}

// The saving throws from the shipped table: a bard reads the warrior and
// wizard columns too, and keeps the best of each row.
TEST(Donnees, JetsDeProtectionDesClasses)
{
    const ListeTexte st = charge("ST.dat");
    struct Cas { const char* classe; QStringList niveaux; std::array<QString, 5> jets; };
    const Cas cas[] = {
        {"Barde", {"17"}, {"3", "5", "4", "4", "6"}},
        {"Voleur", {"17"}, {"9", "6", "8", "12", "7"}},
    };
    for (const Cas& c : cas) {
        std::array<QString, 5> jets;
        CalculeJetsDeProtection(perso(c.classe, c.niveaux), st, jets);
        EXPECT_EQ(jets, c.jets) << c.classe;
    }
}

// The requirements of the roll of the abilities: the file loads through its
// reader, every class it names is in the class list, every race is offered,
// and a few figures read as the rules give them.
TEST(Donnees, ExigencesDuTirage)
{
    const ListeTexte lignes = charge("Exigences.dat");
    const qsizetype debut = lignes.lignes().indexOf("Classes permises");
    ASSERT_GE(debut, 0);
    int noms = 0;
    for (qsizetype i = debut + 1; i < lignes.count(); ++i) {
        const QString& l = lignes.at(i);
        if (l.isEmpty() || l.startsWith(';'))
            continue;
        const QStringList champs = l.split('&');
        EXPECT_TRUE(Classes::Races().contains(champs[0])) << l.toStdString();
        for (const QString& classe : champs.mid(1)) {
            EXPECT_TRUE(Classes::Liste().contains(classe)) << classe.toStdString();
            ++noms;
        }
    }
    EXPECT_EQ(noms, 9 + 5 + 9 + 10 + 18 + 4);

    // The figures of the rules, all of them: a row swapped or a figure
    // mistyped shows.
    const Exigences e = LitExigences(lignes);
    const Scores toutes18 = {18, 18, 18, 18, 18, 18};
    struct Race { const char* nom; Scores minimums, maximums, ajustements; qsizetype classes; };
    const Race races[] = {
        {"Humain", {3, 3, 3, 3, 3, 3}, toutes18, {0, 0, 0, 0, 0, 0}, 9},
        {"Elfe", {3, 6, 7, 8, 3, 8}, toutes18, {0, 1, -1, 0, 0, 0}, 9},
        {"Demi-Elfe", {3, 6, 6, 4, 3, 3}, toutes18, {0, 0, 0, 0, 0, 0}, 18},
        {"Hobbit", {7, 7, 10, 6, 3, 3}, {18, 18, 18, 18, 17, 18}, {-1, 1, 0, 0, 0, 0}, 4},
        {"Nain", {8, 3, 11, 3, 3, 3}, {18, 17, 18, 18, 18, 17}, {0, 0, 1, 0, 0, -1}, 5},
        {"Gnome", {6, 3, 8, 6, 3, 3}, toutes18, {0, 0, 0, 1, -1, 0}, 10},
    };
    ASSERT_EQ(e.races.size(), 6);
    for (qsizetype r = 0; r < 6; ++r) {
        SCOPED_TRACE(races[r].nom);
        EXPECT_EQ(e.races[r].race, races[r].nom);
        EXPECT_EQ(e.races[r].minimums, races[r].minimums);
        EXPECT_EQ(e.races[r].maximums, races[r].maximums);
        EXPECT_EQ(e.races[r].ajustements, races[r].ajustements);
        EXPECT_EQ(e.races[r].classes.size(), races[r].classes);
    }
    EXPECT_EQ(e.races[0].classes, (QStringList{"Clerc", "Druide", "Guerrier", "Paladin", "Ranger", "Mage",
                                               "Illusioniste", "Voleur", "Barde"}));
    // In the order of ClassesDeBase: Guerrier, Paladin, Ranger, Mage,
    // Illusioniste, Clerc, Druide, Voleur, Barde; 0 for none.
    const std::array<Scores, 9> minimums = {{{9, 0, 0, 0, 0, 0}, {12, 0, 9, 0, 13, 17}, {13, 13, 14, 0, 14, 0},
                                             {0, 0, 0, 9, 0, 0}, {0, 16, 0, 9, 0, 0}, {0, 0, 0, 0, 9, 0},
                                             {0, 0, 0, 0, 12, 15}, {0, 9, 0, 0, 0, 0}, {0, 12, 0, 13, 0, 15}}};
    EXPECT_EQ(e.minimums, minimums);
    EXPECT_EQ(ClassesPermises(e, "Gnome", {9, 16, 9, 9, 9, 9}),
              (QStringList{"Clerc", "Guerrier", "Illusioniste", "Voleur", "Clerc-Guerrier", "Clerc-Voleur",
                           "Clerc-Illusioniste", "Guerrier-Voleur", "Guerrier-Illusioniste", "Voleur-Illusioniste"}));
}
