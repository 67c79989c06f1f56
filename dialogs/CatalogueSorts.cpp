#include "CatalogueSorts.h"

#include "Champs.h"
#include "Collation.h"
#include "SortsDeMage.h"

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
