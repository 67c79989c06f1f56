// The proficiency category file: CompetenceAutorisee for the groups the
// character of the header opens (CalculeCompetences), for every group, and
// for none, asked for names of the shipped proficiency list and lines of
// the file itself.

#include "Champs.h"
#include "Competences.h"
#include "Entree.h"

namespace {

QStringList nomsLivres;

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const ListeTexte competences = ListeTexte::charge(QStringLiteral(VARDEL_DONNEES "/Vardel.nwp"));
    for (const QString& ligne : competences.lignes())
        nomsLivres.append(Champ1(ligne));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const Entree entree = LitEntree(donnees, taille);
    const QStringList categories = ListeDepuisOctets(entree.fichier).lignes();

    QStringList groupes;
    try {
        groupes = CalculeCompetences(entree.personnage).GroupesAutorises;
    } catch (const Echec&) {
        return 0;
    }
    VERIFIE(groupes.contains(QStringLiteral("GENERAL")));
    const QStringList tous = {QStringLiteral("GENERAL"), COMBATTANT, MAGICIEN, PRETRE, LARRON};

    // A few names: shipped ones and lines of the file, picked by the choice
    // bytes, and the empty name.
    QStringList noms = {QString()};
    for (int k = 0; k < 8; ++k) {
        noms.append(nomsLivres[(entree.choix[0] + 7 * k) % nomsLivres.size()]);
        if (!categories.isEmpty())
            noms.append(categories[(entree.choix[1] + entree.choix[2] * k) % categories.size()]);
    }
    for (const QString& nom : noms) {
        const bool autorisee = CompetenceAutorisee(categories, groupes, nom);
        // Only a name the file lists is allowed, and more groups never
        // forbid it.
        VERIFIE(!autorisee || categories.contains(nom));
        VERIFIE(!autorisee || CompetenceAutorisee(categories, tous, nom));
        VERIFIE(!CompetenceAutorisee(categories, {}, nom));
    }
    return 0;
}
