#include "Ajustements.h"
#include "Classes.h"
#include "Echec.h"
#include "Fichiers.h"
#include "Niveaux.h"
#include "ResumeClasseRace.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QStringList Comprace = {
    "Capacités raciales", "",
    "Humain", "Aucun ajustement", "Langues : commun", "", "",
    "ELFE", "Infravision à 18 m", "Langues : elfe", "",
    "Nain", "Infravision à 18 m", "",
};

struct Perso {
    QString classe;
    QStringList niveaux;
    QString force = "10", intelligence = "10", sagesse = "10", dexterite = "10";
    QString race = "Humain";

    operator Personnage() const
    {
        Personnage p;
        p.classe = classe;
        for (qsizetype k = 0; k < niveaux.size(); ++k)
            p.niveaux[static_cast<std::size_t>(k)] = niveaux[k];
        p.force = force;
        p.intelligence = intelligence;
        p.sagesse = sagesse;
        p.dexterite = dexterite;
        p.race = race;
        return p;
    }
};

QStringList resume(const Personnage& p, const ChoixSpheres& spheres = ChoixStandard(),
                   const QStringList& comprace = Comprace)
{
    QStringList lignes;
    ResumeClasseRace(p, spheres, ListeTexte(comprace), fichierXP(), lignes);
    return lignes;
}

QStringList commencantPar(const QStringList& lignes, const QString& debut)
{
    QStringList l;
    for (const QString& ligne : lignes)
        if (ligne.startsWith(debut))
            l.append(ligne);
    return l;
}

ChoixSpheres aucune()
{
    ChoixSpheres c{};
    c.fill(AccesSphere::Aucun);
    return c;
}

const QString Paladin = "Capacités de Paladin : détection du mal à 18m (en se concentrant), +2 à tous les jets de "
                        "protection, immunité contre toutes les maladies, soin en imposant les mains (";
const QString Ranger = "Capacités de Ranger : possibilité d'influencer les réactions des animaux, Compétence en "
                       "PISTAGE : sagesse à + ";
const QString Barde = "Compétences de Barde : possibilité d'influencer les réactions, de contrer les effets des "
                      "attaques magiques sur 9m, connaissances générales";

}

TEST(ResumeClasseRace, LignesDansLOrdre)
{
    Perso perso{"Clerc-Ranger", {"12", "9"}};
    perso.race = "Elfe";   // the block's line is "ELFE"
    perso.force = perso.dexterite = "16";
    perso.sagesse = "19";
    const Personnage p = perso;
    QStringList lignes = {"reste d'avant"};
    ResumeClasseRace(p, ChoixStandard(), ListeTexte(Comprace), fichierXP(), lignes);
    const QStringList attendu = {
        "Infravision à 18 m",
        "Langues : elfe",
        "+10% XP Ranger ",
        "+10% XP Clerc ",
        "Immunité aux sorts : Amis, Charme-personnes, Effroi, Injonction, Hypnotisme.",
        Ranger + "3, se cacher dans l'ombre (56%), se déplacer silencieusement (70%), sorts de clerc/jour : 2 (niveau de maîtrise 2)",
        "Sorts de clerc/jour : 6/5/5/3/2/2 (niveau de maîtrise 12)",
        XPNiveauSuivant(p, fichierXP()),
        "Sphères d'influence : Astrale Charme Combat Conjuration Création Divination Elémentaire [mineur] Garde "
        "Générale Nécromantique Protection Soins Soleil",
    };
    EXPECT_EQ(lignes, attendu);
}

TEST(ResumeClasseRace, BonusDExperience)
{
    struct Cas { Perso perso; QStringList attendu; };
    auto avec = [](QString classe, QStringList niveaux, QString f, QString i, QString s, QString d) {
        Perso p{std::move(classe), std::move(niveaux)};
        p.force = f; p.intelligence = i; p.sagesse = s; p.dexterite = d;
        return p;
    };
    const Cas cas[] = {
        {avec("Guerrier", {"1"}, "16", "10", "10", "10"), {"+ 10% XP Guerrier"}},
        {avec("Guerrier", {"1"}, "15", "18", "18", "18"), {}},
        {avec("Paladin", {"1"}, "17", "10", "10", "10"), {"+ 10% XP Paladin"}},
        {avec("Ranger", {"1"}, "16", "10", "16", "16"), {"+10% XP Ranger "}},
        {avec("Ranger", {"1"}, "16", "10", "15", "16"), {}},
        {avec("Druide-Guerrier-Mage", {"1", "1", "1"}, "16", "16", "16", "16"), {"+ 10% XP Guerrier", "+10% XP Mage "}},
        {avec("Voleur-Illusioniste", {"1", "1"}, "10", "16", "10", "16"), {"+10% XP Illusioniste ", "+10% XP Voleur "}},
        {avec("Clerc-Voleur", {"1", "1"}, "10", "10", "16", "16"), {"+10% XP Clerc ", "+10% XP Voleur "}},
        {avec("Barde", {"1"}, "18", "18", "18", "18"), {}},
        {avec("Clerc", {"1"}, "10", "10", "", "10"), {}},   // not a number: no threshold passed
    };
    for (const Cas& c : cas)   // one line each, in the order of the table
        EXPECT_EQ(commencantPar(resume(c.perso), "+"), c.attendu) << c.perso.classe.toStdString();
}

TEST(ResumeClasseRace, ImmuniteAuxSorts)
{
    const QString complete =
        "Immunité aux sorts : Amis, Charme-personnes, Effroi, Injonction, Hypnotisme, Immobilisation des personnes, "
        "Peur, Oubli, Rayon d'affaiblissement, Terreur, Charme-monstres, Confusion, Emotion, Maladresse, Suggestion, "
        "Chaos, Débilité mentale, Immobilisation des monstres, Quête religieuse, Réceptacle magique, Bâtonnet de "
        "suzeraineté, Quête magique, Suggestion de masse, Antipathie/sympathie, Charme de masse, Sort de mort.";
    struct Cas { const char* sagesse; QStringList attendu; };
    const Cas cas[] = {
        {"", {}},
        {"18", {}},
        {"19", {"Immunité aux sorts : Amis, Charme-personnes, Effroi, Injonction, Hypnotisme."}},
        {"21", {"Immunité aux sorts : Amis, Charme-personnes, Effroi, Injonction, Hypnotisme, Immobilisation des "
                "personnes, Peur, Oubli, Rayon d'affaiblissement, Terreur."}},
        {"25", {complete}},
    };
    for (const Cas& c : cas) {
        Perso p{"Guerrier", {"1"}};
        p.sagesse = c.sagesse;
        EXPECT_EQ(commencantPar(resume(p), "Immunité"), c.attendu) << c.sagesse;
    }
}

TEST(ResumeClasseRace, LignesDesClassesSelonLeNiveau)
{
    struct Cas { const char* classe; QStringList niveaux; const char* sagesse; QString debut; QStringList attendu; };
    const QString clerc = "Sorts de clerc/jour : ";
    const QString mage = "Sorts de mage/jour : ";
    const QString voleur = "Compétences de Voleur : ";
    const Cas cas[] = {
        {"Ranger", {"1"}, "10", Ranger, {Ranger + "0, se cacher dans l'ombre (10%), se déplacer silencieusement (15%)"}},
        {"Ranger", {"16"}, "10", Ranger, {Ranger + "5, se cacher dans l'ombre (99%), se déplacer silencieusement (99%), sorts de clerc/jour : 3/3/3 (niveau de maîtrise 9)"}},
        {"Ranger", {"25"}, "10", Ranger, {Ranger + "8, se cacher dans l'ombre (99%), se déplacer silencieusement (99%), sorts de clerc/jour : 3/3/3 (niveau de maîtrise 9)"}},
        {"Ranger", {""}, "10", "Capacités", {}},
        {"Paladin", {"2"}, "10", Paladin, {Paladin + "4 PV/jour), guérison des maladies (1 fois/semaine), aura de protection sur 3m."}},
        {"Paladin", {"3"}, "10", Paladin, {Paladin + "6 PV/jour), guérison des maladies (1 fois/semaine), aura de protection sur 3m, pouvoir de repousser les morts-vivants comme un clerc de niveau 1."}},
        {"Paladin", {"6"}, "10", Paladin, {Paladin + "12 PV/jour), guérison des maladies (2 fois/semaine), aura de protection sur 3m, pouvoir de repousser les morts-vivants comme un clerc de niveau 4, possibilité d'appeler son cheval de bataille."}},
        {"Paladin", {"9"}, "10", Paladin, {Paladin + "18 PV/jour), guérison des maladies (2 fois/semaine), aura de protection sur 3m, pouvoir de repousser les morts-vivants comme un clerc de niveau 7, possibilité d'appeler son cheval de bataille, sorts de clerc/jour : 1 (niveau de maîtrise 1)."}},
        {"Paladin", {"17"}, "10", Paladin, {Paladin + "34 PV/jour), guérison des maladies (4 fois/semaine), aura de protection sur 3m, pouvoir de repousser les morts-vivants comme un clerc de niveau 15, possibilité d'appeler son cheval de bataille, sorts de clerc/jour : 3/3/3/1 (niveau de maîtrise 9)."}},
        {"Paladin", {"18"}, "10", Paladin, {Paladin + "36 PV/jour), guérison des maladies (4 fois/semaine), aura de protection sur 3m, pouvoir de repousser les morts-vivants comme un clerc de niveau 16, possibilité d'appeler son cheval de bataille, sorts de clerc/jour : 3/3/3/1 (niveau de maîtrise 9)."}},
        // Above 20 the computed figures follow the level; only the table stops.
        {"Paladin", {"30"}, "10", Paladin, {Paladin + "60 PV/jour), guérison des maladies (6 fois/semaine), aura de protection sur 3m, pouvoir de repousser les morts-vivants comme un clerc de niveau 28, possibilité d'appeler son cheval de bataille, sorts de clerc/jour : 3/3/3/3 (niveau de maîtrise 9)."}},
        {"Paladin", {"0"}, "10", "Capacités", {}},
        {"Mage", {"1"}, "10", mage, {mage + "1 (niveau de maîtrise 1)"}},
        {"Illusioniste", {"12"}, "10", mage, {mage + "4/4/4/4/4/1 (niveau de maîtrise 12)"}},
        {"Guerrier-Mage", {"3", "17"}, "10", mage, {mage + "5/5/5/5/5/3/3/2 (niveau de maîtrise 17)"}},
        {"Mage", {"21"}, "10", mage, {mage + "5/5/5/5/5/4/3/3/2 (niveau de maîtrise 20)"}},
        {"Guerrier-Mage", {"3", ""}, "10", mage, {}},
        {"Clerc", {"14"}, "17", clerc, {clerc + "6/6/6/5/3/2 (niveau de maîtrise 14)"}},
        {"Clerc", {"14"}, "16", clerc, {clerc + "6/6/6/5/3 (niveau de maîtrise 14)"}},
        {"Clerc", {"14"}, "18", clerc, {clerc + "6/6/6/5/3/2/1 (niveau de maîtrise 14)"}},
        {"Clerc", {"11"}, "17", clerc, {clerc + "5/4/4/3/2/1 (niveau de maîtrise 11)"}},
        {"Clerc", {"11"}, "18", clerc, {clerc + "5/4/4/3/2/1 (niveau de maîtrise 11)"}},
        {"Clerc", {"11"}, "16", clerc, {clerc + "5/4/4/3/2 (niveau de maîtrise 11)"}},
        {"Clerc", {"10"}, "3", clerc, {clerc + "4/4/3/3/2 (niveau de maîtrise 10)"}},
        {"Druide", {"5"}, "10", clerc, {clerc + "3/3/1 (niveau de maîtrise 5)"}},
        {"Druide-Mage", {"20", "1"}, "", clerc, {clerc + "9/9/9/8/7 (niveau de maîtrise 20)"}},
        {"Clerc", {"-1"}, "18", clerc, {}},
        {"Voleur", {"4"}, "10", voleur, {voleur + "Attaque dans le dos x2"}},
        {"Voleur", {"5"}, "10", voleur, {voleur + "Attaque dans le dos x3"}},
        {"Voleur", {"9"}, "10", voleur, {voleur + "Attaque dans le dos x4"}},
        {"Voleur", {"10"}, "10", voleur, {voleur + "Attaque dans le dos x4, utilisation de parchemins magiques et cléricaux (75%)"}},
        {"Voleur", {"13"}, "10", voleur, {voleur + "Attaque dans le dos x5, utilisation de parchemins magiques et cléricaux (75%)"}},
        {"Barde", {"1"}, "10", Barde, {Barde}},
        {"Barde", {"2"}, "10", Barde, {Barde + ", sorts de mage/jour : 1 (niveau de maîtrise 1)"}},
        {"Barde", {"16"}, "10", Barde, {Barde + ", sorts de mage/jour : 4/3/3/3/2/1 (niveau de maîtrise 15)"}},
        {"Barde", {"20"}, "10", Barde, {Barde + ", sorts de mage/jour : 4/4/4/4/4/3 (niveau de maîtrise 19)"}},
        {"Barde", {""}, "10", "Compétences", {}},
    };
    for (const Cas& c : cas) {
        Perso p{c.classe, c.niveaux};
        p.sagesse = c.sagesse;
        EXPECT_EQ(commencantPar(resume(p), c.debut), c.attendu) << c.classe << " " << c.niveaux.join('/').toStdString();
    }
}

// Every row of the tables of level pieces, and the level beyond the last row.
TEST(ResumeClasseRace, ChaqueRangeeDesTables)
{
    const QStringList mage = {
        "1 (niveau de maîtrise 1)", "2 (niveau de maîtrise 2)", "2/1 (niveau de maîtrise 3)",
        "3/2 (niveau de maîtrise 4)", "4/2/1 (niveau de maîtrise 5)", "4/2/2 (niveau de maîtrise 6)",
        "4/3/2/1 (niveau de maîtrise 7)", "4/3/3/2 (niveau de maîtrise 8)", "4/3/3/2/1 (niveau de maîtrise 9)",
        "4/4/3/2/2 (niveau de maîtrise 10)", "4/4/4/3/3 (niveau de maîtrise 11)", "4/4/4/4/4/1 (niveau de maîtrise 12)",
        "5/5/5/4/4/2 (niveau de maîtrise 13)", "5/5/5/4/4/2/1 (niveau de maîtrise 14)",
        "5/5/5/5/5/2/1 (niveau de maîtrise 15)", "5/5/5/5/5/3/2/1 (niveau de maîtrise 16)",
        "5/5/5/5/5/3/3/2 (niveau de maîtrise 17)", "5/5/5/5/5/3/3/2/1 (niveau de maîtrise 18)",
        "5/5/5/5/5/3/3/3/1 (niveau de maîtrise 19)", "5/5/5/5/5/4/3/3/2 (niveau de maîtrise 20)",
    };
    const QStringList ranger = {
        "10%), se déplacer silencieusement (15%)", "15%), se déplacer silencieusement (21%)",
        "20%), se déplacer silencieusement (27%)", "25%), se déplacer silencieusement (33%)",
        "31%), se déplacer silencieusement (40%)", "37%), se déplacer silencieusement (47%)",
        "43%), se déplacer silencieusement (55%)",
        "49%), se déplacer silencieusement (62%), sorts de clerc/jour : 1 (niveau de maîtrise 1)",
        "56%), se déplacer silencieusement (70%), sorts de clerc/jour : 2 (niveau de maîtrise 2)",
        "63%), se déplacer silencieusement (78%), sorts de clerc/jour : 2/1 (niveau de maîtrise 3)",
        "70%), se déplacer silencieusement (86%), sorts de clerc/jour : 2/2 (niveau de maîtrise 4)",
        "77%), se déplacer silencieusement (94%), sorts de clerc/jour : 2/2/1 (niveau de maîtrise 5)",
        "85%), se déplacer silencieusement (99%), sorts de clerc/jour : 3/2/1 (niveau de maîtrise 6)",
        "93%), se déplacer silencieusement (99%), sorts de clerc/jour : 3/2/2 (niveau de maîtrise 7)",
        "99%), se déplacer silencieusement (99%), sorts de clerc/jour : 3/3/2 (niveau de maîtrise 8)",
        "99%), se déplacer silencieusement (99%), sorts de clerc/jour : 3/3/3 (niveau de maîtrise 9)",
    };
    const QStringList paladin = {   // from level 9
        "1 (niveau de maîtrise 1)", "2 (niveau de maîtrise 2)", "2/1 (niveau de maîtrise 3)",
        "2/2 (niveau de maîtrise 4)", "2/2/1 (niveau de maîtrise 5)", "3/2/1 (niveau de maîtrise 6)",
        "3/2/1/1 (niveau de maîtrise 7)", "3/3/2/1 (niveau de maîtrise 8)", "3/3/3/1 (niveau de maîtrise 9)",
        "3/3/3/1 (niveau de maîtrise 9)", "3/3/3/2 (niveau de maîtrise 9)", "3/3/3/3 (niveau de maîtrise 9)",
    };
    const QStringList barde = {   // from level 2
        "1 (niveau de maîtrise 1)", "2 (niveau de maîtrise 2)", "2/1 (niveau de maîtrise 3)",
        "3/1 (niveau de maîtrise 4)", "3/2 (niveau de maîtrise 5)", "3/2/1 (niveau de maîtrise 6)",
        "3/3/1 (niveau de maîtrise 7)", "3/3/2 (niveau de maîtrise 8)", "3/3/2/1 (niveau de maîtrise 9)",
        "3/3/3/1 (niveau de maîtrise 10)", "3/3/3/2 (niveau de maîtrise 11)", "3/3/3/2/1 (niveau de maîtrise 12)",
        "3/3/3/3/1 (niveau de maîtrise 13)", "3/3/3/3/2 (niveau de maîtrise 14)",
        "4/3/3/3/2/1 (niveau de maîtrise 15)", "4/4/3/3/3/1 (niveau de maîtrise 16)",
        "4/4/4/3/3/2 (niveau de maîtrise 17)", "4/4/4/4/3/2 (niveau de maîtrise 18)",
        "4/4/4/4/4/3 (niveau de maîtrise 19)",
    };
    // The row of a level: the last one for the levels beyond the table.
    auto rangee = [](const QStringList& table, int premier, int niveau) {
        return table[qMin<qsizetype>(niveau - premier, table.size() - 1)];
    };
    auto ligne = [](const char* classe, int niveau, const QString& debut) {
        const QStringList l = commencantPar(resume(Perso{classe, {QString::number(niveau)}}), debut);
        return l.size() == 1 ? l[0] : QStringLiteral("%1 lignes").arg(l.size());
    };
    for (int n = 1; n <= 22; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(ligne("Mage", n, "Sorts de mage/jour"), "Sorts de mage/jour : " + rangee(mage, 1, n));
        EXPECT_EQ(ligne("Illusioniste", n, "Sorts de mage/jour"), "Sorts de mage/jour : " + rangee(mage, 1, n));
        EXPECT_EQ(ligne("Ranger", n, "Capacités de Ranger"),
                  Ranger + QString::number(n / 3) + ", se cacher dans l'ombre (" + rangee(ranger, 1, n));
        if (n >= 9) {
            EXPECT_TRUE(ligne("Paladin", n, "Capacités de Paladin")
                            .endsWith(", sorts de clerc/jour : " + rangee(paladin, 9, n) + "."));
        }
        if (n >= 2) {
            EXPECT_EQ(ligne("Barde", n, "Compétences de Barde"),
                      Barde + ", sorts de mage/jour : " + rangee(barde, 2, n));
        }
    }
}

TEST(ResumeClasseRace, SpheresDUnLanceurDeSortsDePretre)
{
    ChoixSpheres choix = aucune();
    choix[0] = AccesSphere::Majeur;      // Animale
    choix[3] = AccesSphere::Mineur;      // Climat
    choix[15] = AccesSphere::PasDAcces;  // Végétale
    struct Cas { const char* classe; QStringList niveaux; ChoixSpheres choix; QStringList attendu; };
    const Cas cas[] = {
        {"Clerc", {"1"}, aucune(), {"Sphères d'influence :"}},
        {"Druide", {"3"}, choix, {"Sphères d'influence : Animale Climat [mineur]"}},
        {"Clerc", {""}, choix, {"Sphères d'influence : Animale Climat [mineur]"}},
        {"Ranger", {"7"}, choix, {}},
        {"Ranger", {"8"}, choix, {"Sphères d'influence : Animale Climat [mineur]"}},
        {"Paladin", {"8"}, choix, {}},
        {"Paladin", {"9"}, choix, {"Sphères d'influence : Animale Climat [mineur]"}},
        {"Guerrier-Mage", {"9", "9"}, choix, {}},
    };
    for (const Cas& c : cas) {
        const QStringList lignes = resume(Perso{c.classe, c.niveaux}, c.choix);
        EXPECT_EQ(commencantPar(lignes, "Sphères"), c.attendu) << c.classe << " " << c.niveaux.join('/').toStdString();
        // The experience line is always there, just before the spheres.
        ASSERT_FALSE(lignes.isEmpty());
        EXPECT_TRUE(lignes[lignes.size() - 1 - c.attendu.size()].startsWith("XP pour niveau suivant : "));
    }
}

TEST(ResumeClasseRace, BlocDeRace)
{
    struct Cas { const char* race; QStringList attendu; };
    const Cas cas[] = {
        {"Humain", {"Aucun ajustement", "Langues : commun"}},
        {"nain", {"Infravision à 18 m"}},
        {"Gnome", {}},   // no block
        {"", {}},        // no race
    };
    for (const Cas& c : cas) {
        Perso p{"Guerrier", {"1"}};
        p.race = c.race;
        const QStringList lignes = resume(p);
        EXPECT_EQ(lignes.mid(0, lignes.size() - 1), c.attendu) << c.race;
    }

    // The last block reaches the end of the file without an empty line.
    QStringList ouvert = Comprace;
    ouvert.removeLast();
    Perso nain{"Guerrier", {"1"}};
    nain.race = "Nain";
    QStringList lignes;
    EXPECT_EQ(echecDe([&] { ResumeClasseRace(nain, ChoixStandard(), ListeTexte(ouvert), fichierXP(), lignes); }),
              "Index liste hors bornes");
    EXPECT_EQ(lignes, QStringList{"Infravision à 18 m"});
}

TEST(ResumeClasseRace, FichiersLusAuMomentVoulu)
{
    DossierTemporaire dossier;
    ListeTexte(Comprace).sauve(dossier.chemin("comprace.dat"));
    const QString comprace = dossier.chemin("comprace.dat");
    const QString xp = dossier.chemin("XP.dat");
    auto charge = [](const QString& nom) { return [nom] { return ListeTexte::charge(nom); }; };
    Perso voleur{"Voleur", {"3"}};
    voleur.dexterite = "17";

    // The experience file is missing: the lines before its line stay.
    QStringList lignes;
    EXPECT_EQ(echecDe([&] { ResumeClasseRace(voleur, ChoixStandard(), charge(comprace), charge(xp), lignes); }),
              "Ne peut ouvrir le fichier " + xp);
    EXPECT_EQ(lignes, (QStringList{"Aucun ajustement", "Langues : commun", "+10% XP Voleur ",
                                   "Compétences de Voleur : Attaque dans le dos x2"}));

    // The race file is missing: the summary stays empty.
    fichierXP().sauve(xp);
    QFile::remove(comprace);
    EXPECT_EQ(echecDe([&] { ResumeClasseRace(voleur, ChoixStandard(), charge(comprace), charge(xp), lignes); }),
              "Ne peut ouvrir le fichier " + comprace);
    EXPECT_EQ(lignes, QStringList{});
}
