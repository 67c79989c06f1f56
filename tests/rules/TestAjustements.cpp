#include "Ajustements.h"
#include "Echec.h"
#include "Fichiers.h"

#include <functional>
#include "Perso.h"

#include <gtest/gtest.h>

namespace {

// A table whose value for score s below key K reads "K s": every line read
// tells which key and which score it was read for. Stray lines stand before
// and between the blocks.
QStringList table(const QStringList& sauf = {})
{
    QStringList lignes = {"Table des ajustements", ""};
    for (const QString& cle : ClesAjustements()) {
        if (!sauf.contains(cle)) {
            lignes.append(cle);
            for (int s = 1; s <= 25; ++s)
                lignes.append(cle + " " + QString::number(s));
        }
        if (cle == "Barreaux")
            break;
    }
    lignes.append("--- force exceptionnelle ---");
    for (int k = 0; k < 6; ++k) {
        const QString cle = "ExtraForce" + ClesAjustements()[static_cast<std::size_t>(k)];
        lignes.append(cle);
        for (int s = 1; s <= 100; ++s)
            lignes.append(cle + " " + QString::number(s));
    }
    for (std::size_t k = 6; k < NombreAjustements; ++k) {
        const QString cle = ClesAjustements()[k];
        if (sauf.contains(cle))
            continue;
        lignes.append(cle);
        for (int s = 1; s <= 25; ++s)
            lignes.append(cle + " " + QString::number(s));
    }
    return lignes;
}

// Force and Extra as given, the other abilities 11 to 15.
Personnage avecForce(const QString& classe, const QString& force, const QString& extra)
{
    Personnage p = perso(classe);
    p.force = force;
    p.extra = extra;
    p.intelligence = "11";
    p.sagesse = "12";
    p.dexterite = "13";
    p.constitution = "14";
    p.charisme = "15";
    return p;
}

}

TEST(Ajustements, LesVingtCinqClesDansLOrdreDesCases)
{
    const QStringList attendues = {"Toucher", "Degats", "PoidsAutorise", "Charge", "Portes", "Barreaux",
                                   "NombreLangues", "NiveauMaxSorts", "ConnaitreLesSorts", "NombreMaxDeSorts",
                                   "ImmuniteIllusions", "DefenseMagie", "BonusSorts", "EchecSorts", "ImmuniteSorts",
                                   "ReactionProjectiles", "Defense", "AjustementPV", "ChocMetabolique",
                                   "Resurrection", "Poison", "Regeneration", "Reaction", "MaxSuivants", "Loyaute"};
    QStringList cles;
    for (const QString& c : ClesAjustements())
        cles.append(c);
    EXPECT_EQ(cles, attendues);
    EXPECT_EQ(ClesAjustements()[Ajustement::ImmuniteSorts], "ImmuniteSorts");
    EXPECT_EQ(ClesAjustements()[Ajustement::Loyaute], "Loyaute");
}

TEST(Ajustements, ChercheAjustement)
{
    const ListeTexte t(QStringList{"Entête", "toucher", "t1", "t2", "t3", "Degats ", "d1", "d2", " Portes", "p1",
                                   "TOUCHER", "autre1", "autre2", "Charge", "c1"});
    struct Cas { const char* cle; const char* score; const char* attendu; };
    const Cas cas[] = {
        {"Toucher", "1", "t1"},        // any letter case; the first key line wins
        {"Toucher", "9", "TOUCHER"},   // lines are counted, whatever they hold
        {"Toucher", "0", "toucher"},
        {"Toucher", " 2", "t2"},       // the score is read with EntierOuDefaut
        {"Degats", "1", "BUG : Ajustement Non Trouvé"},   // "Degats " has a trailing blank
        {"Portes", "1", "BUG : Ajustement Non Trouvé"},   // " Portes" a leading one
        {"Charge", "1", "c1"},
        {"Barreaux", "1", "BUG : Ajustement Non Trouvé"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(ChercheAjustement(t, c.cle, c.score), c.attendu) << c.cle << " " << c.score;

    // Past the end, or before the start for a score that is no number.
    EXPECT_EQ(echecDe([&] { ChercheAjustement(t, "Charge", "2"); }), "Index liste hors bornes");
    EXPECT_EQ(echecDe([&] { ChercheAjustement(t, "Charge", ""); }), "Index liste hors bornes");
    EXPECT_EQ(echecDe([&] { ChercheAjustement(t, "Barreaux", "99"); }), "");
}

TEST(Ajustements, CalculeAjustementsLitChaqueCleAvecSaCaracteristique)
{
    const ListeTexte t(table());
    std::array<QString, NombreAjustements> a;
    CalculeAjustements(avecForce("Mage", "9", ""), t, a);
    const char* attendus[] = {"Toucher 9", "Degats 9", "PoidsAutorise 9", "Charge 9", "Portes 9", "Barreaux 9",
                              "NombreLangues 11", "NiveauMaxSorts 11", "ConnaitreLesSorts 11", "NombreMaxDeSorts 11",
                              "ImmuniteIllusions 11", "DefenseMagie 12", "BonusSorts 12", "EchecSorts 12",
                              "ImmuniteSorts 12", "ReactionProjectiles 13", "Defense 13", "AjustementPV 14",
                              "ChocMetabolique 14", "Resurrection 14", "Poison 14", "Regeneration 14",
                              "Reaction 15", "MaxSuivants 15", "Loyaute 15"};
    for (std::size_t i = 0; i < NombreAjustements; ++i)
        EXPECT_EQ(a[i], attendus[i]) << i;
}

TEST(Ajustements, ForceExceptionnelleSeulementPourUnCombattantAvecDixHuit)
{
    const ListeTexte t(table());
    struct Cas { const char* classe; const char* force; const char* extra; const char* toucher; const char* barreaux; };
    const Cas cas[] = {
        {"Guerrier", "18", "100", "ExtraForceToucher 100", "ExtraForceBarreaux 100"},
        {"Paladin", "18", "1", "ExtraForceToucher 1", "ExtraForceBarreaux 1"},
        {"Clerc-Ranger", "18", "50", "ExtraForceToucher 50", "ExtraForceBarreaux 50"},
        {"Druide-Guerrier-Mage", "18", "75", "ExtraForceToucher 75", "ExtraForceBarreaux 75"},
        {"Guerrier", "17", "100", "Toucher 17", "Barreaux 17"},   // Extra ignored
        {"Mage", "18", "100", "Toucher 18", "Barreaux 18"},       // not a fighter
        {"Guerrier", "018", "100", "Toucher 18", "Barreaux 18"},  // the test is on the text
    };
    for (const Cas& c : cas) {
        std::array<QString, NombreAjustements> a;
        CalculeAjustements(avecForce(c.classe, c.force, c.extra), t, a);
        EXPECT_EQ(a[Ajustement::Toucher], c.toucher) << c.classe << " " << c.force;
        EXPECT_EQ(a[Ajustement::Barreaux], c.barreaux) << c.classe << " " << c.force;
        EXPECT_EQ(a[Ajustement::NombreLangues], "NombreLangues 11");
    }
}

TEST(Ajustements, UneCleAbsenteNeGeneQueSaCase)
{
    // A fixture file whose "Defense" key line ends with a blank.
    QStringList lignes = table();
    lignes[lignes.indexOf("Defense")] = "Defense ";
    DossierTemporaire dossier;
    dossier.ecrit("Vardel.Aju", (lignes.join("\r\n") + "\r\n").toLatin1());

    std::array<QString, NombreAjustements> a;
    CalculeAjustements(avecForce("Guerrier", "12", ""), ListeTexte::charge(dossier.chemin("Vardel.Aju")), a);
    EXPECT_EQ(a[Ajustement::Defense], "BUG : Ajustement Non Trouvé");
    EXPECT_EQ(a[Ajustement::ReactionProjectiles], "ReactionProjectiles 13");
    EXPECT_EQ(a[Ajustement::AjustementPV], "AjustementPV 14");
    EXPECT_EQ(a[Ajustement::Loyaute], "Loyaute 15");
}

TEST(Ajustements, UnFichierTropCourtArreteLeCalcul)
{
    // The "Defense" block stops at score 10; Dextérité is 13.
    QStringList lignes = table();
    const qsizetype defense = lignes.indexOf("Defense");
    lignes = lignes.mid(0, defense + 11);
    std::array<QString, NombreAjustements> a;
    a.fill("ancien");
    EXPECT_EQ(echecDe([&] { CalculeAjustements(avecForce("Mage", "9", ""), ListeTexte(lignes), a); }),
              "Index liste hors bornes");
    EXPECT_EQ(a[Ajustement::ReactionProjectiles], "ReactionProjectiles 13");   // before: new value
    EXPECT_EQ(a[Ajustement::Defense], "ancien");                               // the failing slot and after: old
    EXPECT_EQ(a[Ajustement::Loyaute], "ancien");
}
