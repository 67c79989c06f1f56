// The ability adjustment table: ChercheAjustement for a key and a score
// drawn from the header (a key of the table, its ExtraForce variant, or a
// line of the file itself), and CalculeAjustements for the character.

#include "Ajustements.h"
#include "Entree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const Entree entree = LitEntree(donnees, taille);
    const ListeTexte table = ListeDepuisOctets(entree.fichier);

    const std::array<QString, NombreAjustements>& cles = ClesAjustements();
    const std::size_t n = entree.choix[0] % (2 * NombreAjustements + 1);
    QString cle;
    if (n < NombreAjustements)
        cle = cles[n];
    else if (n < 2 * NombreAjustements)
        cle = QStringLiteral("ExtraForce") + cles[n - NombreAjustements];
    else if (!table.isEmpty())
        cle = table.lignes()[entree.choix[2] % table.count()];
    const QString score = TexteNombre(entree.choix[1], 100);
    try {
        const QString trouve = ChercheAjustement(table, cle, score);
        VERIFIE(trouve == AjustementNonTrouve || table.lignes().contains(trouve));
    } catch (const Echec&) {
    }

    std::array<QString, NombreAjustements> ajustements;
    try {
        CalculeAjustements(entree.personnage, table, ajustements);
    } catch (const Echec&) {
    }
    return 0;
}
