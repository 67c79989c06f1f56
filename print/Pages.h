#pragma once

#include "DonneesImpression.h"
#include "PageDeDessin.h"
#include "Pagination.h"

#include <QList>
#include <QStringList>

// The four kinds of printed page. Each draws through the page's routines
// alone and never knows the device; the preview of the sheet draws on its
// paint box and differs from paper only where `Cible` says.
enum class Cible { Papier, Apercu };

// Page 1, the character sheet. Refreshes the adjustments, the standard notes
// and the saving throws of `donnees` from the rule files as it draws them
// (a rule file that cannot be read throws Echec, the page half drawn).
// Everything goes on this one page, even past its bottom.
void DessineFiche(PageDeDessin& page, DonneesImpression& donnees, Cible cible = Cible::Papier);

// Page 2, the possessions form.
void DessinePossessions(PageDeDessin& page, const DonneesImpression& donnees);

// The mage spellbook: learned spells level by level, then the failed ones.
// It begins where the page stands (a fresh printer page is blank: nothing is
// cleared) and breaks pages through `pagination` before a row that would
// pass 0.9 × H on paper, H in the preview. False when the pagination stopped
// the drawing.
bool DessineLivreDeSorts(PageDeDessin& page, const DonneesImpression& donnees, Pagination& pagination,
                         Cible cible = Cible::Papier);

// The priest spells of the seven lists (built just before by
// ConstruitSortsDePretre), breaking before a row that would pass H. False
// when the pagination stopped the drawing.
bool DessineSortsDePretre(PageDeDessin& page, const DonneesImpression& donnees, Pagination& pagination);

// The pieces the two spell kinds share.

// The boundaries of a spell table's columns, from 10 to W − 10.
struct GrilleSorts {
    QList<int> bornes;
    int colonnes() const { return int(bornes.size()) - 1; }
};
// "Sort", "Dé %", "Vitesse", "Durée", "Portée", "Zone d'effet", "Composants"
// over 30, 10, 12, 22, 22, 42 and 43 181ths of W − 20 (on screen "Dé %" and
// "Vitesse" take 9 and 13).
GrilleSorts GrilleLivreDeSorts(int W, Cible cible);
// Name, casting time, duration, range, area, components over 40, 12, 22, 22,
// 42 and 43 181ths of W − 20.
GrilleSorts GrilleSortsDePretre(int W);

// The height a row of these cells (one text per column) will take, without
// drawing it: u div 4 + the tallest of u and its cells, in the current font.
int HauteurRangee(PageDeDessin& page, const GrilleSorts& grille, const QStringList& cellules);

// Ends the page and begins the next one with the title, then Times New Roman
// 8. False when the pagination stopped the drawing.
bool NouvellePageDeSorts(PageDeDessin& page, Pagination& pagination, const QString& titre);

// The table of the mage spells of level `niveau` (1..9) that are learned,
// or that have failed when `rates`. False when the pagination stopped it.
bool TableDeSorts(PageDeDessin& page, const DonneesImpression& donnees, int niveau, bool rates,
                  Pagination& pagination, Cible cible);
