#include "Champs.h"
#include "Pages.h"
#include "SortsDeMage.h"
#include "TablesDeSorts.h"

namespace {

QString titreLivre(const DonneesImpression& d)
{
    return QStringLiteral("Livre de sorts de ") + d.Perso.nom;
}

// The roll recorded for the spell of that catalogue line, "?" without record.
QString jet(const DonneesImpression& d, int niveau, const QString& ligne)
{
    return PourcentageSortDeMage(d.SortsDeMageParNiveau[niveau - 1], Champ1(ligne));
}

// A roll of "?" reads as no number at all, below any chance: learned.
bool appris(const DonneesImpression& d, int niveau, const QString& ligne)
{
    return EntierOuDefaut(jet(d, niveau, ligne)) <= d.ChanceApprentissage;
}

bool aDesSorts(const DonneesImpression& d, int niveau, bool rates)
{
    for (const QString& ligne : d.SortsDeMage[niveau - 1])
        if (appris(d, niveau, ligne) != rates)
            return true;
    return false;
}

double limiteDePage(const PageDeDessin& page, Cible cible)
{
    return cible == Cible::Apercu ? double(page.H) : 0.9 * page.H;
}

}

bool TableDeSorts(PageDeDessin& page, const DonneesImpression& donnees, int niveau, bool rates,
                  Pagination& pagination, Cible cible)
{
    QList<RangeeDeSorts> rangees;
    for (const QString& ligne : donnees.SortsDeMage[niveau - 1]) {
        if (appris(donnees, niveau, ligne) == rates)
            continue;
        RangeeDeSorts r;
        r.cellules = QStringList{Champ1(ligne), jet(donnees, niveau, ligne) + QStringLiteral(" %"), Champ2(ligne),
                                 Champ3(ligne), Champ4(ligne), Champ5(ligne), ChampsDepuis6(ligne)};
        // A failed spell keeps its name and roll readable; its details are struck out.
        r.barreeDes = rates ? 2 : -1;
        rangees.append(r);
    }
    static const QStringList entete{QStringLiteral("Sort"),    QStringLiteral("Dé %"),
                                    QStringLiteral("Vitesse"), QStringLiteral("Durée"),
                                    QStringLiteral("Portée"),  QStringLiteral("Zone d'effet"),
                                    QStringLiteral("Composants")};
    return DessineTable(page, GrilleLivreDeSorts(page.W, cible), rangees, limiteDePage(page, cible), entete,
                        pagination, titreLivre(donnees));
}

bool DessineLivreDeSorts(PageDeDessin& page, const DonneesImpression& donnees, Pagination& pagination, Cible cible)
{
    page.Y = 10;
    page.ChoisitPolice(Arial, 14, Gras | Italique);
    page.EcritCentre(0, page.Y, page.W, titreLivre(donnees));
    page.Y += 2 * page.HauteurLigne();
    for (bool rates : {false, true}) {
        for (int niveau = 1; niveau <= 9; ++niveau) {
            if (!aDesSorts(donnees, niveau, rates))
                continue;
            page.ChoisitPolice(TimesNewRoman, 12, Gras);
            page.EcritCentre(0, page.Y, page.W,
                             (rates ? QStringLiteral("Sorts ratés de niveau ") : QStringLiteral("Sorts de niveau "))
                                 + QString::number(niveau));
            page.Y += 2 * page.HauteurLigne();
            if (!TableDeSorts(page, donnees, niveau, rates, pagination, cible))
                return false;
            page.Y += page.HauteurLigne();
        }
    }
    // On screen a book that ends below the box gets one more page, its title alone.
    if (cible == Cible::Apercu && page.Y > page.H)
        return NouvellePageDeSorts(page, pagination, titreLivre(donnees));
    return true;
}
