#include "Echec.h"
#include "FichierPersonnage.h"

#include "Fichiers.h"
#include "Windows1252.h"

#include <gtest/gtest.h>

namespace {

// The lists of the examples: 20 proficiencies and 10 weapons.
constexpr int Competences = 20;
constexpr int Armes = 10;

FichePersonnage lit(const QStringList& lignes)
{
    return LitFichePersonnage(ListeTexte(lignes), Competences, Armes);
}

QStringList lignesVides()
{
    return EcritFichePersonnage({}).lignes();
}

// A character that fills every line kind of the file.
FichePersonnage complet()
{
    FichePersonnage f;
    Personnage& p = f.personnage;
    p.nom = "Aldor & fils";
    p.race = "Demi-Elfe";
    p.sexe = "Féminin";
    p.age = "120";
    p.taille = "1,70 m";
    p.poids = "55";
    p.classe = "Guerrier-Mage-Voleur";
    p.niveaux = {"5", "4", "6"};
    p.pointsDeVie = "23";
    p.alignement = "Chaotique Bon";
    p.langues = "Commun, elfe";
    p.force = "18";
    p.intelligence = "16";
    p.sagesse = "9";
    p.dexterite = "17";
    p.constitution = "12";
    p.charisme = "11";
    p.beaute = "14";
    f.competences = {0, 3, 19};
    f.armes = {1, 9};
    f.specialisation = "Arc long&8&1d8&1d6&2/1";
    f.talentsVoleur = {35, 40, -5, 0, 100, 15, 60, 10};
    f.sortsDeMage[0] = QStringList{"Sommeil&40", "Bouclier&15"};
    f.sortsDeMage[2] = QStringList{"Boule de feu&33"};
    f.sortsDeMage[8] = QStringList{"Souhait&abc"};
    f.spheres[0] = AccesSphere::Majeur;
    f.spheres[1] = AccesSphere::Mineur;
    f.spheres[15] = AccesSphere::PasDAcces;
    f.notes = QStringList{"Première note", "", "Fin des armes", "  "};
    return f;
}

}

// The new character's file, byte for byte: 55 lines, each ended by CR LF,
// in Windows-1252.
TEST(FichierPersonnage, PersonnageVideEnCinquanteCinqLignes)
{
    DossierTemporaire dossier;
    EcritFichePersonnage({}).sauve(dossier.chemin("vide.vdl"));
    QByteArray attendu = QByteArray("\r\n").repeated(7) + "--\r\n" + QByteArray("\r\n").repeated(10)
                       + "Fin des comp\xE9tences\r\nFin des armes\r\n\r\n" + QByteArray("0\r\n").repeated(8);
    for (char n = '1'; n <= '9'; ++n)
        attendu += QByteArray("Fin des sorts de niveau ") + n + "\r\n";
    attendu += QByteArray("?\r\n").repeated(16) + "0\r\n";
    EXPECT_EQ(dossier.lit("vide.vdl"), attendu);
    EXPECT_EQ(attendu.count("\r\n"), 55);
}

TEST(FichierPersonnage, UnPersonnageCompletLigneParLigneEtRelu)
{
    const FichePersonnage f = complet();
    const QStringList lignes = EcritFichePersonnage(f).lignes();
    QStringList attendu = {"Aldor & fils", "Demi-Elfe", "Féminin", "120", "1,70 m", "55", "Guerrier-Mage-Voleur",
                           "5-4-6", "23", "Chaotique Bon", "Commun, elfe", "18", "16", "9", "17", "12", "11", "14",
                           "0", "3", "19", "Fin des compétences", "1", "9", "Fin des armes", "Arc long&8&1d8&1d6&2/1",
                           "35", "40", "-5", "0", "100", "15", "60", "10",
                           "Sommeil&40", "Bouclier&15", "Fin des sorts de niveau 1", "Fin des sorts de niveau 2",
                           "Boule de feu&33", "Fin des sorts de niveau 3"};
    for (int n = 4; n <= 8; ++n)
        attendu << FinDesSorts(n);
    attendu << "Souhait&abc" << "Fin des sorts de niveau 9"
            << "0" << "1" << QStringList(13, "?") << "2"
            << "4" << "Première note" << "" << "Fin des armes" << "  ";
    EXPECT_EQ(lignes, attendu);

    // Read back: the same value; the notes are read by their count, so a
    // note reading like a marker stays a note.
    EXPECT_EQ(lit(lignes), f);
}

// The readings that are not the exact inverse of the writing: one line of
// the empty character's file replaced.
TEST(FichierPersonnage, LecturesIndulgentes)
{
    struct Cas {
        int ligne;   // from 0
        QString texte;
        std::function<bool(const FichePersonnage&)> attendu;
        const char* quoi;
    };
    const Cas cas[] = {
        {1, "humain", [](auto& f) { return f.personnage.race == "Humain"; }, "race en minuscules"},
        {1, "DEMI-ELFE", [](auto& f) { return f.personnage.race == "Demi-Elfe"; }, "race en majuscules"},
        {1, "Orque", [](auto& f) { return f.personnage.race.isEmpty(); }, "race inconnue"},
        {2, "FÉMININ", [](auto& f) { return f.personnage.sexe == "Féminin"; }, "sexe accentué"},
        {6, "guerrier-mage", [](auto& f) { return f.personnage.classe == "Guerrier-Mage"; }, "classe"},
        {6, "Guerrier-Mage ", [](auto& f) { return f.personnage.classe.isEmpty(); }, "classe avec un blanc"},
        {9, "loyal bon", [](auto& f) { return f.personnage.alignement == "Loyal Bon"; }, "alignement"},
        {21, "abc", [](auto& f) { return f.talentsVoleur[0] == -32767; }, "talent sans nombre"},
        {28, " -12", [](auto& f) { return f.talentsVoleur[7] == -12; }, "dernier talent"},
        {46, "0", [](auto& f) { return f.spheres[8] == AccesSphere::Majeur; }, "sphère 0"},
        {46, " 1", [](auto& f) { return f.spheres[8] == AccesSphere::Mineur; }, "sphère 1"},
        {46, "2", [](auto& f) { return f.spheres[8] == AccesSphere::PasDAcces; }, "sphère 2"},
        {38, "3", [](auto& f) { return f.spheres == ChoixSpheres{}; }, "sphère 3"},
        {53, "-1", [](auto& f) { return f.spheres == ChoixSpheres{}; }, "sphère -1"},
        {53, "Accès Majeur", [](auto& f) { return f.spheres == ChoixSpheres{}; }, "sphère en texte"},
        {54, "deux", [](auto& f) { return f.notes.isEmpty(); }, "nombre de notes sans nombre"},
        {54, "-3", [](auto& f) { return f.notes.isEmpty(); }, "nombre de notes négatif"},
    };
    for (const Cas& c : cas) {
        QStringList lignes = lignesVides();
        lignes[c.ligne] = c.texte;
        lignes << "au-delà" << "des notes";
        EXPECT_TRUE(c.attendu(lit(lignes))) << c.quoi;
    }
    // Sphere lines are lines 38 to 53 (Animale to Végétale).
    QStringList lignes = lignesVides();
    lignes[38] = "0";
    lignes[53] = "2";
    ChoixSpheres attendu{};
    attendu[0] = AccesSphere::Majeur;
    attendu[15] = AccesSphere::PasDAcces;
    EXPECT_EQ(lit(lignes).spheres, attendu);
    // A count reads that many lines, whatever they say; lines after them are
    // ignored.
    lignes[54] = "+2";
    lignes << "Fin des compétences" << "" << "encore";
    EXPECT_EQ(lit(lignes).notes, (QStringList{"Fin des compétences", ""}));
}

// The level line, cut at each "-" with the test for the end after each
// piece: how many fields it sets, and with what.
TEST(FichierPersonnage, LigneDesNiveaux)
{
    struct Cas {
        QString ligne;
        int lus;
        std::array<QString, 3> niveaux;
    };
    const Cas cas[] = {
        {"5--", 2, {"5", "", ""}},   {"5-3-", 2, {"5", "3", ""}}, {"5-3-2", 3, {"5", "3", "2"}},
        {"", 1, {"", "", ""}},       {"7", 1, {"7", "", ""}},     {"-", 1, {"", "", ""}},
        {"--", 2, {"", "", ""}},     {"1-2-3-4", 3, {"1", "2", "3"}}, {"a-b-c--", 3, {"a", "b", "c"}},
        {"12 - 3", 2, {"12 ", " 3", ""}},
    };
    for (const Cas& c : cas) {
        QStringList lignes = lignesVides();
        lignes[7] = c.ligne;
        const FichePersonnage f = lit(lignes);
        EXPECT_EQ(f.niveauxLus, c.lus) << c.ligne;
        EXPECT_EQ(f.personnage.niveaux, c.niveaux) << c.ligne;
    }
}

// CR LF, a lone LF and a lone CR end a line alike.
TEST(FichierPersonnage, FinsDeLigneQuelconques)
{
    DossierTemporaire dossier;
    const FichePersonnage f = complet();
    QByteArray octets;
    const ListeTexte lignes = EcritFichePersonnage(f);
    for (const QString& l : lignes.lignes()) {
        QByteArray ligne;
        ASSERT_TRUE(Windows1252::encode(l, ligne));
        octets += ligne + "\r\n";
    }
    for (const char* fin : {"\r\n", "\n", "\r"}) {
        QByteArray autre = octets;
        autre.replace("\r\n", fin);
        const QString nom = dossier.ecrit("perso.vdl", autre);
        EXPECT_EQ(LitFichePersonnage(ListeTexte::charge(nom), Competences, Armes), f) << QByteArray(fin).toHex().constData();
    }
}

// A damaged file throws before anything is applied: any file cut short,
// any marker missing, a position that is no entry of its list.
TEST(FichierPersonnage, FichierAbime)
{
    const QString horsBornes = "Index liste hors bornes";
    const QStringList lignes = EcritFichePersonnage(complet()).lignes();
    for (qsizetype n = 0; n < lignes.size(); ++n)
        EXPECT_EQ(echecDe([&] { lit(lignes.mid(0, n)); }), horsBornes) << "coupé après " << n << " lignes";

    QStringList marqueurs = {FinDesCompetences, FinDesArmes};
    for (int n = 1; n <= NombreNiveauxSorts; ++n)
        marqueurs << FinDesSorts(n);
    for (const QString& m : marqueurs) {
        QStringList sans = lignes;
        sans.removeAt(sans.indexOf(m));
        EXPECT_EQ(echecDe([&] { lit(sans); }), horsBornes) << "sans " << m;
    }

    // Section A is lines 18 to 20, section B lines 22 and 23.
    struct Cas { int ligne; QString texte; bool accepte; };
    const Cas cas[] = {
        {18, "19", true}, {18, "20", false}, {18, "-1", false}, {18, "", false}, {18, "premier", false},
        {18, " +7", true}, {22, "9", true}, {22, "10", false}, {23, "Fin des compétences", false},
    };
    for (const Cas& c : cas) {
        QStringList l = lignes;
        l[c.ligne] = c.texte;
        EXPECT_EQ(echecDe([&] { lit(l); }), c.accepte ? QString() : horsBornes) << c.ligne << " " << c.texte;
    }
    // Nothing to mark in an empty list.
    QStringList l = lignes;
    EXPECT_EQ(echecDe([&] { LitFichePersonnage(ListeTexte(l), 0, Armes); }), horsBornes);
}

// The exceptional strength rides on one line after the notes, only when the
// sheet holds one: every other file keeps its bytes, and a file without the
// line (all files written before it was kept) reads no Extra.
TEST(FichierPersonnage, ForceExceptionnelle)
{
    FichePersonnage f = complet();
    const QStringList sans = EcritFichePersonnage(f).lignes();
    EXPECT_EQ(sans.last(), "  ");   // the last note
    EXPECT_FALSE(lit(sans).extraLu);
    EXPECT_EQ(lit(sans).personnage.extra, "");

    f.personnage.extra = "63";
    const QStringList avec = EcritFichePersonnage(f).lignes();
    EXPECT_EQ(avec, sans + QStringList{"Extra : 63"});
    const FichePersonnage relu = lit(avec);
    EXPECT_TRUE(relu.extraLu);
    EXPECT_EQ(relu.personnage, f.personnage);

    // After the notes only: the count is read first, so a note that reads
    // like the line stays a note; a line of another kind there is ignored,
    // and so is all that follows it.
    QStringList lignes = lignesVides();
    lignes[54] = "1";
    lignes << "Extra : 12" << "Extra : 45";
    EXPECT_EQ(lit(lignes).notes, QStringList{"Extra : 12"});
    EXPECT_EQ(lit(lignes).personnage.extra, "45");
    lignes = lignesVides();
    lignes << "Extra: 45" << "Extra : 45";
    EXPECT_FALSE(lit(lignes).extraLu);
    // Whatever follows the marker is the value, as typed.
    lignes = lignesVides();
    lignes << "Extra : 00 & plus";
    EXPECT_EQ(lit(lignes).personnage.extra, "00 & plus");
}

// No value can shift the lines: a writer handed a value holding a line end
// fails whole, names the file and the value, and leaves the old file.
TEST(FichierPersonnage, UneValeurSurDeuxLignesNEstPasEcrite)
{
    DossierTemporaire dossier;
    const QString nom = dossier.ecrit("perso.vdl", "ancien\r\n");
    for (const QString& fin : {QString("\n"), QString("\r\n"), QString("\r"), QString(QChar(0x2028))}) {
        FichePersonnage f = complet();
        f.personnage.nom = "Thorgrim" + fin + "fils de Thror";
        EXPECT_EQ(echecDe([&] { EcritFichePersonnage(f).sauve(nom); }),
                  "Ne peut créer le fichier " + nom + " : la valeur « Thorgrim↵fils de Thror » tient sur plusieurs lignes");
        EXPECT_EQ(dossier.lit("perso.vdl"), QByteArray("ancien\r\n"));
    }
}
