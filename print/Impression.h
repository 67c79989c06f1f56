#pragma once

#include "DonneesImpression.h"
#include "Pagination.h"

#include <QSize>
#include <functional>

class Canevas;

// The page kinds of one print job, always printed in this order.
struct PagesChoisies {
    bool Page1 = false;         // the character sheet
    bool Page2 = false;         // the possessions form
    bool SortsMage = false;     // the mage spellbook
    bool SortsPretre = false;   // the priest spells
    bool Aucune() const { return !(Page1 || Page2 || SortsMage || SortsPretre); }
};

// Who has which spell pages. The print choice offers the spellbook to a
// Mage or an Illusioniste; the preview shows it to a Barde of level 2 or
// more too. Priest pages: a Clerc or a Druide, a Paladin from level 9, a
// Ranger from level 8, on paper and in the preview alike.
bool OffreSortsDeMage(const Personnage& p);
bool ApercuSortsDeMage(const Personnage& p);
bool OffreSortsDePretre(const Personnage& p);

// Rebuilds the seven priest lists of `donnees` from its spheres and the
// files "sorts2.dat" and "Clercs5.dat" of its data directory.
void ConstruitSortsDePretre(DonneesImpression& donnees);

// The chosen kinds on one document whose first page is begun: each kind in
// its order, a new page between two kinds, the spell kinds adding their own
// pages. The priest lists are rebuilt just before their pages. `taille`
// gives the page's drawable width and height, read before each kind.
void ImprimePages(const PagesChoisies& pages, DonneesImpression& donnees, Canevas& canevas,
                  Pagination& pagination, const std::function<QSize()>& taille);
