// The priest progressions and spell catalogue: ProgressionPretre and
// ConstruitSortsDePretre for the character and the spheres of the header,
// from "sorts2.dat" then "Clercs5.dat" (separated by SeparateurFichiers).

#include "Entree.h"
#include "Spheres.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const Entree entree = LitEntree(donnees, taille);
    const auto [octetsSorts2, octetsClercs5] = DeuxFichiers(entree.fichier);
    const ListeTexte sorts2 = ListeDepuisOctets(octetsSorts2);
    const ListeTexte clercs5 = ListeDepuisOctets(octetsClercs5);

    QString progression;
    try {
        progression = ProgressionPretre(entree.personnage, sorts2);
    } catch (const Echec&) {
    }

    std::array<QStringList, 7> listes;
    listes[0] = QStringList{QStringLiteral("ancienne ligne")};
    try {
        ConstruitSortsDePretre(entree.personnage, entree.spheres, sorts2, clercs5, listes);
    } catch (const Echec&) {
    }
    // Emptied first; a level is listed only when the progression reaches it.
    VERIFIE(!listes[0].contains(QStringLiteral("ancienne ligne")));
    for (qsizetype niveau = 1; niveau <= 7; ++niveau)
        VERIFIE(listes[static_cast<std::size_t>(niveau - 1)].isEmpty() || niveau <= (progression.size() + 1) / 2);
    return 0;
}
