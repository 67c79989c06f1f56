#pragma once

#include "DonneesImpression.h"

#include <QString>

class Canevas;

// The size of the preview's paint box, the page the preview draws on.
inline constexpr int LargeurApercu = 755;
inline constexpr int HauteurApercu = 1250;

// What the preview shows, one page at a time: page 1 the character sheet,
// page 2 the possessions, pages 3 to PagesMage + 2 the spellbook, then the
// priest pages. The spell pages are always laid out from their beginning,
// the pages before the one shown hidden (measured, never painted); when the
// page shown begins the box is cleared, and the drawing stops once it is full.
class Apercu {
public:
    // The character shown, taken when the preview opens.
    DonneesImpression Donnees;

    int PageCourante = 1;
    int NombreDePages = 2;
    // Spellbook pages (0: none).
    int PagesMage = 0;
    // While spell pages are drawn: the preview number, minus 2, of the page
    // being drawn.
    int SousPage = 0;
    // The spell pages are laid out, hidden, only to count them.
    bool Comptage = false;
    // The chance to learn spells of the Intelligence, taken at opening.
    int ChanceApprentissage = 0;

    // Opening: page 1, the chance to learn taken, the pages counted on
    // `mesure` (a canvas that measures text as the paint box does). The
    // main sheet is then drawn once on it too: that refreshes the figures it
    // prints (adjustments, saving throws, standard notes) for the caller to
    // hand back, and a rule file that cannot be read fails here (Echec),
    // before anything is shown.
    void Ouvre(const DonneesImpression& donnees, Canevas& mesure);
    // NombreDePages and PagesMage, the spell pages laid out in counting mode;
    // the priest lists are rebuilt first when the character has priest pages.
    void CompteLesPages(Canevas& mesure);
    // Draws page PageCourante on the paint box's canvas.
    void DessinePage(Canevas& canevas);

    // "Aperçu avant Impression --- Page " and PageCourante.
    QString Titre() const;
};
