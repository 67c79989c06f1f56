// The spell file: LitCatalogue, what a save writes of the catalogue read,
// the details of each record and the place of each in its sorted level.

#include "FichierSorts.h"
#include "Champs.h"
#include "Collation.h"
#include "Entree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const ListeTexte lignes = ListeDepuisOctets(OctetsDe(donnees, taille));
    CatalogueSorts catalogue;
    try {
        LitCatalogue(lignes, catalogue);
    } catch (const Echec&) {
        // What was read stays, and is no more than the file held.
        qsizetype lus = 0;
        for (const QStringList& niveau : catalogue)
            lus += niveau.size();
        VERIFIE(lus <= lignes.count());
        return 0;
    }

    // A save of the catalogue reads back as the same catalogue.
    QByteArray octets;
    VERIFIE(OctetsDeListe(EcritCatalogue(catalogue), octets));
    CatalogueSorts relu;
    try {
        LitCatalogue(ListeDepuisOctets(octets), relu);
    } catch (const Echec&) {
        VERIFIE(!"le fichier écrit se relit");
    }
    VERIFIE(relu == catalogue);

    for (QStringList& niveau : catalogue) {
        for (const QString& enregistrement : niveau) {
            VERIFIE(enregistrement != FinDeNiveauSorts);
            // A record of six fields or more is its name and its details.
            if (enregistrement.count(u'&') >= 5)
                VERIFIE(EnregistrementSort(Champ1(enregistrement), DetailsDe(enregistrement)) == enregistrement);
        }
        // As the window shows them: sorted (each folded key computed once,
        // ties in the order of the texts), and a record's place (the middle
        // one and the last) found after its equals.
        Collation::trie(niveau);
        QString clePrecedente;
        for (qsizetype i = 0; i < niveau.size(); ++i) {
            QString cle = Collation::cle(niveau[i]);
            if (i > 0) {
                const int c = QString::compare(clePrecedente, cle, Qt::CaseSensitive);
                VERIFIE(c < 0 || (c == 0 && QString::compare(niveau[i - 1], niveau[i], Qt::CaseSensitive) <= 0));
            }
            clePrecedente = std::move(cle);
        }
        const qsizetype n = niveau.size();
        for (qsizetype i : {n / 2, n - 1}) {
            if (n == 0)
                break;
            const QString& enregistrement = niveau[i];
            const qsizetype place = PlaceTriee(niveau, enregistrement);
            VERIFIE(place > 0 && !Collation::avant(enregistrement, niveau[place - 1]));
            VERIFIE(place == niveau.size() || Collation::avant(enregistrement, niveau[place]));
        }
    }
    return 0;
}
