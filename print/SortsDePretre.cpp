#include "Champs.h"
#include "Pages.h"
#include "TablesDeSorts.h"

bool DessineSortsDePretre(PageDeDessin& page, const DonneesImpression& donnees, Pagination& pagination)
{
    const QString titre = QStringLiteral("Sorts de prêtre de ") + donnees.Perso.nom;
    page.Efface();
    page.Y = 10;
    page.ChoisitPolice(Arial, 14, Gras | Italique);
    page.EcritCentre(0, page.Y, page.W, titre);
    page.Y += 2 * page.HauteurLigne();
    for (int niveau = 1; niveau <= 7; ++niveau) {
        const QStringList& sorts = donnees.SortsDeClercParNiveau[niveau - 1];
        if (sorts.isEmpty())
            continue;
        page.ChoisitPolice(TimesNewRoman, 12, Gras);
        page.EcritCentre(0, page.Y, page.W, QStringLiteral("Sorts de niveau ") + QString::number(niveau));
        page.Y += 2 * page.HauteurLigne();
        qsizetype i = 0;
        const auto suivante = [&sorts, &i](RangeeDeSorts& r) {
            if (i == sorts.size())
                return false;
            const QString& ligne = sorts[i++];
            r.cellules = QStringList{Champ1(ligne), Champ2(ligne), Champ3(ligne),
                                     Champ4(ligne), Champ5(ligne), ChampsDepuis6(ligne)};
            return true;
        };
        if (!DessineTable(page, GrilleSortsDePretre(page.W), suivante, double(page.H), {}, pagination, titre))
            return false;
        page.Y += page.HauteurLigne();
    }
    // A last table that ends below the page leaves one more page, its title alone.
    if (page.Y > page.H)
        return NouvellePageDeSorts(page, pagination, titre);
    return true;
}
