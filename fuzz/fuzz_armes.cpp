// The weapon list: its lines sorted as the list shows them, cut into their
// five columns, and the slots left (PointsRestants) for the slots of the
// character of the header, the lines its choice bytes mark (with positions
// outside the list) and a specialisation among them.

#include "Armes.h"
#include "Collation.h"
#include "Colonnes.h"
#include "Entree.h"
#include "Niveaux.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const Entree entree = LitEntree(donnees, taille);
    QStringList lignes = ListeDepuisOctets(entree.fichier).lignes();
    Collation::trie(lignes);

    int points = 0;
    try {
        points = CalculeEmplacementsArmes(entree.personnage);
    } catch (const Echec&) {
        return 0;
    }

    // The marks: the bits of the first two choice bytes, over and over; the
    // third picks the specialisation.
    const uint32_t bits = entree.choix[0] | entree.choix[1] << 8;
    const QString specialisation = lignes.isEmpty() ? QString() : lignes[entree.choix[2] % lignes.size()];
    QList<qsizetype> marquees = {-1, lignes.size()};
    qint64 pris = 0;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QStringList colonnes = DecoupeColonnes(lignes[i], 5);
        VERIFIE(colonnes.size() == 5);
        NomAffiche(colonnes[0], lignes[i] == specialisation);
        QuestionSpecialisation(lignes[i]);
        QuestionAbandonSpecialisation(lignes[i]);
        const int emplacements = EmplacementsArme(i, lignes[i], specialisation);
        VERIFIE(emplacements >= 1 && emplacements <= 3);
        if (bits >> (i % 16) & 1) {
            marquees.append(i);
            pris += emplacements;
        }
    }
    VERIFIE(PointsRestants(points, lignes, marquees, specialisation) == qMax<qint64>(points - pris, INT_MIN));
    return 0;
}
