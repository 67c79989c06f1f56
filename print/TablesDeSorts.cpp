#include "TablesDeSorts.h"

#include <algorithm>

namespace {

GrilleSorts grille(int W, std::initializer_list<int> parts)
{
    const int d = W - 20;
    GrilleSorts g;
    g.bornes.append(10);
    int x = 10;
    bool premiere = true;
    for (int part : parts) {
        // The first boundary is rounded with its 10 inside, the next ones
        // add their own rounded share.
        x = premiere ? ArrondiPair(double(d) * part / 181.0 + 10.0) : x + ArrondiPair(double(d) * part / 181.0);
        premiere = false;
        g.bornes.append(x);
    }
    g.bornes.append(W - 10);
    return g;
}

}

GrilleSorts GrilleLivreDeSorts(int W, Cible cible)
{
    if (cible == Cible::Apercu)
        return grille(W, {30, 9, 13, 22, 22, 42});
    return grille(W, {30, 10, 12, 22, 22, 42});
}

GrilleSorts GrilleSortsDePretre(int W)
{
    return grille(W, {40, 12, 22, 22, 42});
}

int GaucheCellule(const GrilleSorts& grille, int i, int wm)
{
    return i == 0 ? grille.bornes[0] : grille.bornes[i] + wm;
}

int DroiteCellule(const GrilleSorts& grille, int i, int wm)
{
    return i == grille.colonnes() - 1 ? grille.bornes[i + 1] : grille.bornes[i + 1] - wm;
}

int HauteurRangee(PageDeDessin& page, const GrilleSorts& grille, const QStringList& cellules)
{
    const int u = page.HauteurLigne();
    const int wm = page.Largeur(QStringLiteral("m"));
    int h = u;
    for (int i = 0; i < grille.colonnes() && i < cellules.size(); ++i)
        h = std::max(h, page.HauteurCellule(GaucheCellule(grille, i, wm), DroiteCellule(grille, i, wm), cellules[i]));
    return u / 4 + h;
}

int DessineCellules(PageDeDessin& page, const GrilleSorts& grille, int y, const QStringList& cellules, int barreeDes)
{
    const int wm = page.Largeur(QStringLiteral("m"));
    int c = page.HauteurLigne();
    for (int i = 0; i < grille.colonnes() && i < cellules.size(); ++i) {
        if (i == barreeDes)
            page.ChoisitPolice(TimesNewRoman, 8, Barre);
        const int gauche = GaucheCellule(grille, i, wm);
        const int droite = DroiteCellule(grille, i, wm);
        const int h = i == 0 ? page.CelluleAGauche(gauche, y, droite, cellules[i])
                             : page.CelluleCentree(gauche, y, droite, cellules[i]);
        c = std::max(c, h);
    }
    if (barreeDes >= 0)
        page.ChoisitPolice(TimesNewRoman, 8);
    return c;
}

void FermeTable(PageDeDessin& page, const GrilleSorts& grille, int t)
{
    page.Trait(10, page.Y, page.W - 10, page.Y);
    for (int i = 1; i < grille.colonnes(); ++i)
        page.Trait(grille.bornes[i], t, grille.bornes[i], page.Y);
}

bool NouvellePageDeSorts(PageDeDessin& page, Pagination& pagination, const QString& titre)
{
    if (!pagination.NouvellePage(page))
        return false;
    page.Y = 10;
    page.ChoisitPolice(Arial, 14, Gras | Italique);
    page.EcritCentre(0, page.Y, page.W, titre);
    page.Y += 2 * page.HauteurLigne();
    page.ChoisitPolice(TimesNewRoman, 8);
    return true;
}

bool DessineTable(PageDeDessin& page, const GrilleSorts& grille, const RangeeSuivante& suivante, double limite,
                  const QStringList& entete, Pagination& pagination, const QString& titre)
{
    int t = page.Y;
    page.ChoisitPolice(TimesNewRoman, 8);
    if (!entete.isEmpty()) {
        DessineCellules(page, grille, page.Y, entete);
        page.Y += page.HauteurLigne();   // one line, whatever the cells took
    }
    for (RangeeDeSorts rangee; suivante(rangee);) {
        const int rh = HauteurRangee(page, grille, rangee.cellules);
        if (double(page.Y + rh) > limite) {
            FermeTable(page, grille, t);
            if (!NouvellePageDeSorts(page, pagination, titre))
                return false;
            t = page.Y;
            page.ChoisitPolice(TimesNewRoman, 8);
            if (!entete.isEmpty()) {
                DessineCellules(page, grille, page.Y, entete);
                page.Y += page.HauteurLigne();
            }
        }
        page.Trait(10, page.Y, page.W - 10, page.Y);
        page.Y += page.HauteurLigne() / 4;
        page.Y += DessineCellules(page, grille, page.Y, rangee.cellules, rangee.barreeDes);
    }
    FermeTable(page, grille, t);
    return true;
}
