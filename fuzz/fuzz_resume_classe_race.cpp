// The race and class summary: ResumeClasseRace for the character and the
// spheres of the header, from the race file then the experience file
// (separated by SeparateurFichiers).

#include "Entree.h"
#include "ResumeClasseRace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const Entree entree = LitEntree(donnees, taille);
    const auto [comprace, xp] = DeuxFichiers(entree.fichier);
    QStringList lignes = {QStringLiteral("ancienne ligne")};
    try {
        ResumeClasseRace(entree.personnage, entree.spheres, ListeDepuisOctets(comprace), ListeDepuisOctets(xp), lignes);
    } catch (const Echec&) {
    }
    VERIFIE(!lignes.contains(QStringLiteral("ancienne ligne")) || ListeDepuisOctets(comprace).lignes().contains(QStringLiteral("ancienne ligne")));
    return 0;
}
