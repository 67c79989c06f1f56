// The saving-throw file: CalculeJetsDeProtection for the character of the
// header.

#include "Combat.h"
#include "Entree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const Entree entree = LitEntree(donnees, taille);
    std::array<QString, 5> jets;
    try {
        CalculeJetsDeProtection(entree.personnage, ListeDepuisOctets(entree.fichier), jets);
    } catch (const Echec&) {
        return 0;
    }
    // The five throws are set, each a whole number.
    for (const QString& jet : jets) {
        bool nombre = false;
        jet.toInt(&nombre);
        VERIFIE(nombre);
    }
    return 0;
}
