#include "CanevasEnregistreur.h"
#include "DonneesDeDepart.h"
#include "Champs.h"
#include "Commandes.h"
#include "FichierPersonnage.h"
#include "Impression.h"
#include "Niveaux.h"
#include "PersonnageOuvert.h"
#include "Spheres.h"
#include "TravauxImpression.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"
#include "UnitFormSortsDeMage.h"

#include "Fichiers.h"
#include "PlateformeScriptee.h"

#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace {

// The position of the first line whose name is `nom`.
qsizetype position(const QStringList& lignes, const QString& nom)
{
    for (qsizetype i = 0; i < lignes.size(); ++i)
        if (Champ1(lignes[i]) == nom)
            return i;
    ADD_FAILURE() << nom.toStdString();
    return 0;
}

// A Clerc-Mage with every part of the character chosen, on the shipped data,
// built as a value alone.
void clercMage(PersonnageOuvert& o)
{
    o.RepertoireDonnees = DossierDonnees();
    o.Competences = ChargeListesCompetences(o.FichierDonnees("Vardel.cat"), o.FichierDonnees("Vardel.nwp"));
    o.Armes = ChargeListeArmes(o.FichierDonnees("Vardel.Arm"));
    const QString avant = QDir::currentPath();
    QDir::setCurrent(DossierDonnees());
    o.Catalogue = ChargeCatalogueDeDepart();
    QDir::setCurrent(avant);

    FichePersonnage fiche;
    Personnage& p = fiche.personnage;
    p.nom = "Mirabelle";
    p.race = "Demi-Elfe";
    p.sexe = "Féminin";
    p.classe = "Clerc-Mage";
    p.niveaux = {"5", "6", ""};
    p.alignement = "Neutre Bon";
    p.pointsDeVie = "24";
    p.langues = "Commun, elfe";
    p.force = "12";
    p.intelligence = "17";
    p.sagesse = "16";
    p.dexterite = "14";
    p.constitution = "13";
    p.charisme = "15";
    p.beaute = "14";
    fiche.competences = {position(o.Competences.competences, "Herboristerie")};
    fiche.armes = {position(o.Armes, "Masse de fantassin")};
    fiche.spheres = ChoixStandard();
    fiche.notes = QStringList{"Soigne les pauvres du village", "", "Cherche le grimoire de sa tante"};
    fiche.sortsDeMage[0] = QStringList{"Sommeil&35"};
    o.Remplace(fiche, PersonnageOuvert::Origine::Ouvrir, "mirabelle.vdl", false);
    o.SuitLesSorts();
}

}

// The character as one value: its file reads back as it was written, and
// the four page kinds are drawn from it, without a single window.
TEST(PersonnageOuvert, FichierEtPagesSansFenetre)
{
    PlateformeScriptee::remiseAZero();
    PersonnageOuvert o;
    clercMage(o);
    ASSERT_TRUE(PlateformeScriptee::remiseAZero().boites.empty());

    const FichePersonnage relue =
        LitFichePersonnage(EcritFichePersonnage(o.Fiche()), o.Competences.competences.size(), o.Armes.size());
    FichePersonnage attendue = o.Fiche();
    attendue.niveauxLus = 2;   // "5-6-": the third level field is left as it is
    EXPECT_EQ(relue, attendue);

    ReconstruitNotesStandard(o);
    ASSERT_FALSE(o.NotesStandard.isEmpty());
    DonneesImpression d = DonneesDImpression(o);
    EXPECT_EQ(d.Competences, QStringList{o.Competences.competences[o.Fiche().competences[0]]});
    EXPECT_EQ(d.Armes, QStringList{o.Armes[o.Fiche().armes[0]]});
    EXPECT_EQ(d.SortsDeMage[0], QStringList{o.Catalogue.catalogue[0][o.Catalogue.marques[0][0]]});

    CanevasEnregistreur canevas;
    PaginationEnregistree pagination(canevas);
    ImprimePages({true, true, true, true}, d, canevas, pagination, [] { return QSize(2000, 3000); });
    auto present = [&](const QString& texte) {
        for (const CanevasEnregistreur::Trace& t : canevas.textes())
            if (t.texte.contains(texte))
                return true;
        return false;
    };
    for (const char* texte : {" Mirabelle ", "Herboristerie", "Masse de fantassin", "Sommeil",
                              "Possessions de Mirabelle", "Livre de sorts de Mirabelle",
                              "Sorts de prêtre de Mirabelle", "pauvres"})
        EXPECT_TRUE(present(texte)) << texte;
    EXPECT_GE(canevas.nombreDePages(), 4);
    // What the main page refreshed goes back to the character.
    RendDonneesImpression(d, o);
    EXPECT_FALSE(o.Ajustements[0].isEmpty());
    EXPECT_FALSE(o.SortsDeClercParNiveau[0].isEmpty());

    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

// The counts the sheet prints, each from its own budget: the Clerc-Mage
// 5/6 with Intelligence 17 has 6 + 6 = 12 proficiency points (the mage's
// 4 + 6/3, the bonus of 17) less 2 for Herboristerie, and 3 weapon slots
// (the priest's 5/4 + 2) less 1 for the mace. Her Sagesse of 16 would give
// another chance to learn spells than her Intelligence's 75 %.
TEST(PersonnageOuvert, LesPointsRestantsImprimesChacunDeSonBudget)
{
    PersonnageOuvert o;
    clercMage(o);
    o.BudgetNWP = CalculeCompetences(o.Fiche().personnage);
    o.PointsArmes = CalculeEmplacementsArmes(o.Fiche().personnage);
    ASSERT_EQ(o.BudgetNWP.PointsCompetences, 12);
    ASSERT_EQ(o.PointsArmes, 3);
    const DonneesImpression d = DonneesDImpression(o);
    EXPECT_EQ(d.PointsCompetences, 10);
    EXPECT_EQ(d.PointsArmes, 2);
    EXPECT_EQ(d.ChanceApprentissage, 75);
}

// What is read at start, from the folder given: each failure in its box,
// in the order of the reads, its part left empty; the shipped data whole.
TEST(PersonnageOuvert, DonneesDeDepart)
{
    DossierTemporaire vide;
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    const DonneesDeDepart rien = LitDonneesDeDepart(vide.racine(), vide.chemin("bin"));
    std::vector<QString> textes;
    for (const auto& b : plateforme->boites)
        textes.push_back(b.texte);
    EXPECT_EQ(textes, (std::vector<QString>{"Ne peut ouvrir le fichier " + vide.chemin("Vardel.cat"),
                                            "Ne peut ouvrir le fichier " + vide.chemin("Vardel.Arm"),
                                            "Ne peut ouvrir le fichier " + vide.chemin("Mage.mag")}));
    EXPECT_TRUE(rien.competences.competences.isEmpty());
    EXPECT_TRUE(rien.armes.isEmpty());
    EXPECT_FALSE(rien.catalogue.pourcent);

    plateforme = &PlateformeScriptee::remiseAZero();
    const DonneesDeDepart tout = LitDonneesDeDepart(DossierDonnees(), vide.chemin("bin"));
    EXPECT_TRUE(plateforme->boites.empty());
    EXPECT_FALSE(tout.competences.categories.isEmpty());
    EXPECT_FALSE(tout.competences.competences.isEmpty());
    EXPECT_FALSE(tout.armes.isEmpty());
    EXPECT_FALSE(tout.catalogue.catalogue[0].isEmpty());
    EXPECT_TRUE(tout.catalogue.pourcent);
}
