#include "Pages.h"

void DessinePossessions(PageDeDessin& page, const DonneesImpression& donnees)
{
    page.Efface();
    page.ChoisitPolice(TimesNewRoman, 10, Gras);
    const int u = page.HauteurLigne();
    page.EcritCentre(0, 10, page.W, QStringLiteral("Possessions de ") + donnees.Perso.nom);
    const int r = 10 + u + u / 2;
    page.Trait(10, r, page.W - 10, r);
    const int m = page.W / 2;
    const int b = page.H / 2;
    page.Trait(m, r, m, b);
    page.EcritCentre(0, r + u, m, QStringLiteral("Normal"));
    page.EcritCentre(m, r + u, page.W, QStringLiteral("Magique"));
    page.Trait(10, b, page.W - 10, b);
    page.EcritCentre(0, b + u, page.W, QStringLiteral("Notes"));
}
