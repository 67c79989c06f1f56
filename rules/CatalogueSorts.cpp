#include "CatalogueSorts.h"

#include "Champs.h"
#include "Collation.h"
#include "SortsDeMage.h"

#include <QHash>
#include <QSet>
#include <algorithm>


qsizetype PlaceTriee(const QStringList& liste, const QString& ligne)
{
    qsizetype debut = 0;
    qsizetype fin = liste.size();
    while (debut < fin) {
        const qsizetype milieu = debut + (fin - debut) / 2;
        if (Collation::avant(ligne, liste[milieu]))
            fin = milieu;
        else
            debut = milieu + 1;
    }
    return debut;
}

DetailsSort DetailsDe(const QString& enregistrement)
{
    return {Champ2(enregistrement), Champ3(enregistrement), Champ4(enregistrement), Champ5(enregistrement),
            ChampsDepuis6(enregistrement)};
}

QString EnregistrementSort(const QString& nom, const DetailsSort& d)
{
    return QStringList{nom, d.vitesse, d.duree, d.portee, d.zoneDEffet, d.composants}.join(u'&');
}

bool PourcentageAccepte(const QString& pourcentage)
{
    return pourcentage.isEmpty() || EstEntierEntre(pourcentage, 1, 100);
}

EtatSort EtatDuSort(const QStringList& sortsDuNiveau, const QString& nom, const QString& intelligence)
{
    const int k = IndexSortDeMage(sortsDuNiveau, nom);
    if (k < 0)
        return EtatSort::NonChoisi;
    const int chance = ChanceApprendreSort(EntierOuDefaut(intelligence));
    return chance < EntierOuDefaut(ChampsDepuis2(sortsDuNiveau[k])) ? EtatSort::Rate : EtatSort::Appris;
}

void FixePourcentage(QStringList& sortsDuNiveau, const QString& nom, const QString& pourcentage)
{
    const int k = IndexSortDeMage(sortsDuNiveau, nom);
    if (k >= 0) {
        if (pourcentage.isEmpty())
            sortsDuNiveau.removeAt(k);
        else
            sortsDuNiveau[k] = nom + QLatin1Char('&') + pourcentage;
    } else if (!pourcentage.isEmpty()) {
        sortsDuNiveau.append(nom + QLatin1Char('&') + pourcentage);
    }
}

QSet<QString> NomsChoisis(const QStringList& sortsDuNiveau)
{
    QSet<QString> noms;
    noms.reserve(sortsDuNiveau.size());
    for (const QString& entree : sortsDuNiveau)
        noms.insert(Champ1(entree));
    return noms;
}

MarquesSorts MarqueSortsDuPersonnage(CatalogueSorts& catalogue, const std::array<QStringList, NombreNiveauxSorts>& sorts)
{
    MarquesSorts marques;
    for (std::size_t n = 0; n < catalogue.size(); ++n) {
        QStringList& enregistrements = catalogue[n];
        // The last record of each name, by name.
        QHash<QString, int> derniers;
        derniers.reserve(enregistrements.size());
        const auto indexe = [&] {
            derniers.clear();
            for (qsizetype i = 0; i < enregistrements.size(); ++i)
                derniers.insert(Champ1(enregistrements[i]), static_cast<int>(i));
        };
        indexe();

        if (n == 0) {
            // The names the level lacks, each once, in the order of the
            // entries; then all of them put in their sorted places at once.
            // Inserting them one by one puts a record after those equal to
            // it: a stable merge, the list's records first, does the same.
            QStringList nouveaux;
            QSet<QString> vus;
            for (const QString& entree : sorts[n]) {
                const QString nom = Champ1(entree);
                if (!derniers.contains(nom) && !vus.contains(nom)) {
                    vus.insert(nom);
                    nouveaux.append(nom + DetailsSortInconnu);
                }
            }
            if (!nouveaux.isEmpty()) {
                Collation::trie(nouveaux);
                enregistrements = Collation::fusionne(enregistrements, nouveaux);
                indexe();
            }
        }

        QSet<int> places;
        for (const QString& entree : sorts[n]) {
            const auto i = derniers.constFind(Champ1(entree));
            if (i != derniers.cend())
                places.insert(*i);
        }
        QList<int>& m = marques[n];
        m = QList<int>(places.cbegin(), places.cend());
        std::sort(m.begin(), m.end());
    }
    return marques;
}

QStringList SortsMarques(const EtatCatalogue& etat, int niveau)
{
    const auto k = static_cast<std::size_t>(niveau - 1);
    const QStringList& sorts = etat.catalogue.at(k);
    QStringList marques;
    for (const int i : etat.marques.at(k))
        if (i >= 0 && i < sorts.size())
            marques.append(sorts.at(i));
    return marques;
}

int ChercheSort(const QStringList& niveau, const QString& nom)
{
    for (qsizetype i = niveau.size() - 1; i >= 0; --i)
        if (Champ1(niveau[i]) == nom)
            return static_cast<int>(i);
    return -1;
}

QList<int> PlacesChoisies(const QStringList& niveau, const QStringList& sortsDuNiveau)
{
    const QSet<QString> choisis = NomsChoisis(sortsDuNiveau);
    QList<int> places;
    for (qsizetype i = 0; i < niveau.size(); ++i)
        if (choisis.contains(Champ1(niveau[i])))
            places.append(static_cast<int>(i));
    return places;
}

QString PourcentageAffiche(const QStringList& sortsDuNiveau, const QString& nom, EtatSort etat, bool pourcent)
{
    if (etat == EtatSort::NonChoisi || !pourcent)
        return {};
    return PourcentageSortDeMage(sortsDuNiveau, nom) + QStringLiteral(" % ");
}

QString PourcentagePropose(const QStringList& sortsDuNiveau, const QString& nom, bool pourcent, bool vientDEtreChoisi)
{
    if (!pourcent)
        return vientDEtreChoisi ? QStringLiteral("1") : QString();
    const int k = IndexSortDeMage(sortsDuNiveau, nom);
    return vientDEtreChoisi || k < 0 ? QString() : ChampsDepuis2(sortsDuNiveau[k]);
}
