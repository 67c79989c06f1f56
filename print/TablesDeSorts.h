#pragma once

#include "Pages.h"

#include <functional>

// The drawing shared by the spell tables of both kinds.

// The text of column i runs from its left boundary + wm to its right
// boundary − wm: the first column from 10, the last one to W − 10.
int GaucheCellule(const GrilleSorts& grille, int i, int wm);
int DroiteCellule(const GrilleSorts& grille, int i, int wm);

// Draws one row of cells at y (the first left-aligned, the others centred;
// from column `barreeDes` on in strike-out, the font put back to plain
// after); returns the height it took: the tallest of u and its cells.
int DessineCellules(PageDeDessin& page, const GrilleSorts& grille, int y, const QStringList& cellules,
                    int barreeDes = -1);

// The closing rule at the running y and the inner column rules from t down.
void FermeTable(PageDeDessin& page, const GrilleSorts& grille, int t);

// Draws the rows of one table from the running y, breaking pages before a
// row whose bottom would pass `limite`; after a break, `entete` (when not
// empty) is drawn again at the top. The table is closed after its last row.
// False when the pagination stopped the drawing (the table is then closed
// at the page's end). The rows come one at a time from `suivante`, which
// fills the row it is given and answers false when there is none left: a
// drawing that stops early never builds the rows it does not reach.
struct RangeeDeSorts {
    QStringList cellules;
    int barreeDes = -1;
};
using RangeeSuivante = std::function<bool(RangeeDeSorts&)>;
bool DessineTable(PageDeDessin& page, const GrilleSorts& grille, const RangeeSuivante& suivante, double limite,
                  const QStringList& entete, Pagination& pagination, const QString& titre);
