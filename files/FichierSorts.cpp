#include "FichierSorts.h"

#include "Collation.h"
#include "Echec.h"

void LitCatalogue(const ListeTexte& lignes, CatalogueSorts& catalogue)
{
    qsizetype i = 0;
    for (QStringList& niveau : catalogue) {
        for (;;) {
            const QString& ligne = lignes.at(i++);   // throws past the end
            if (ligne == FinDeNiveauSorts)
                break;
            niveau.append(ligne);
        }
    }
}

ListeTexte EcritCatalogue(const CatalogueSorts& catalogue)
{
    ListeTexte lignes;
    for (const QStringList& niveau : catalogue) {
        lignes.lignes() += niveau;
        lignes.append(FinDeNiveauSorts);
    }
    return lignes;
}

void LitCatalogueTrie(const ListeTexte& lignes, CatalogueSorts& catalogue)
{
    auto trie = [&catalogue] {
        for (QStringList& niveau : catalogue)
            Collation::trie(niveau);
    };
    try {
        LitCatalogue(lignes, catalogue);
    } catch (const Echec&) {
        trie();
        throw;
    }
    trie();
}

void ChargeCatalogue(const QString& nom, CatalogueSorts& catalogue)
{
    const ListeTexte lignes = ListeTexte::charge(nom);
    catalogue = {};
    LitCatalogueTrie(lignes, catalogue);
}
