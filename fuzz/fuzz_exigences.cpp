// The requirements of the roll of the abilities: LitExigences on the file,
// then, for scores drawn from the character of the header (as rolled), the
// races they allow, their adjusted scores and the classes those allow.

#include "Champs.h"
#include "Entree.h"
#include "Exigences.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const Entree entree = LitEntree(donnees, taille);
    Exigences e;
    try {
        e = LitExigences(ListeDepuisOctets(entree.fichier));
    } catch (const Echec&) {
        return 0;
    }
    VERIFIE(e.races.size() == Classes::Races().size());

    const Personnage& p = entree.personnage;
    Scores tires;
    const QString* textes[] = {&p.force, &p.dexterite, &p.constitution, &p.intelligence, &p.sagesse, &p.charisme};
    for (int c = 0; c < NombreCaracteristiques; ++c)
        tires[c] = EntierOuDefaut(*textes[c]);

    for (const QString& race : RacesPermises(e, tires)) {
        VERIFIE(Classes::Races().contains(race));
        const Scores ajustes = ScoresAjustes(e, race, tires);
        for (int c = 0; c < NombreCaracteristiques; ++c)
            VERIFIE(ajustes[c] - tires[c] >= -3 && ajustes[c] - tires[c] <= 3);
        for (const QString& classe : ClassesPermises(e, race, ajustes))
            VERIFIE(Classes::Liste().contains(classe) && SatisfaitMinimums(e, classe, ajustes));
    }
    return 0;
}
