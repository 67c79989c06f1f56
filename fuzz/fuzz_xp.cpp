// The experience file: XPNiveauSuivant for the character of the header.

#include "Entree.h"
#include "Niveaux.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const Entree entree = LitEntree(donnees, taille);
    try {
        const QString texte = XPNiveauSuivant(entree.personnage, ListeDepuisOctets(entree.fichier));
        VERIFIE(texte.startsWith(QStringLiteral("XP pour niveau suivant : ")));
    } catch (const Echec&) {
    }
    return 0;
}
