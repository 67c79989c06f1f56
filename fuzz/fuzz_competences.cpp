// The proficiency list: its lines sorted as the list shows them, cut into
// their four columns, and the points left (PointsRestants) with the lines
// the header's choice bytes mark, against the sum of those lines' costs
// (CoutCompetence) under the shipped categories and the groups of the
// character of the header.

#include "Collation.h"
#include "Colonnes.h"
#include "Competences.h"
#include "Entree.h"

#include <algorithm>

namespace {

QStringList categoriesLivrees;

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    categoriesLivrees = ListeTexte::charge(QStringLiteral(VARDEL_DONNEES "/Vardel.cat")).lignes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const Entree entree = LitEntree(donnees, taille);
    const QStringList lues = ListeDepuisOctets(entree.fichier).lignes();

    // Sorted: the same lines, in order.
    QStringList lignes = lues;
    Collation::trie(lignes);
    for (qsizetype i = 0; i + 1 < lignes.size(); ++i)
        VERIFIE(Collation::compare(lignes[i], lignes[i + 1]) <= 0);
    QStringList a = lues, b = lignes;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    VERIFIE(a == b);

    BudgetCompetences budget;
    try {
        budget = CalculeCompetences(entree.personnage);
    } catch (const Echec&) {
        return 0;
    }

    // The marks: the bits of the three choice bytes, over and over.
    const uint32_t bits = entree.choix[0] | entree.choix[1] << 8 | entree.choix[2] << 16;
    QStringList marquees;
    qint64 couts = 0;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        VERIFIE(DecoupeColonnes(lignes[i], 4).size() == 4);
        // A line's cost walks the categories: only the marked lines' are summed.
        if (bits >> (i % 24) & 1) {
            marquees.append(lignes[i]);
            couts += CoutCompetence(lignes[i], categoriesLivrees, budget.GroupesAutorises);
        }
    }
    VERIFIE(PointsRestants(budget.PointsCompetences, marquees, categoriesLivrees, budget.GroupesAutorises)
            == BornePoints(budget.PointsCompetences - couts));
    return 0;
}
