#pragma once

#include "Canevas.h"

#include <QString>
#include <QStringList>

// The names of the two families the pages use.
inline const QString TimesNewRoman = QStringLiteral("Times New Roman");
inline const QString Arial = QStringLiteral("Arial");

// Nearest whole number, halves to the even neighbour.
int ArrondiPair(double v);

// One page being drawn: its canvas, its drawable width W and height H in
// device pixels, the running position, and the drawing routines that every
// page kind shares. Positions are whole device pixels; fixed offsets (the
// margin 10, the 3 around a boxed text) are never scaled, font sizes are in
// points. The line unit u is HauteurLigne(), measured afresh at every use so
// that it follows the last font chosen. Integer divisions truncate.
class PageDeDessin {
public:
    PageDeDessin(Canevas& canevas, int largeur, int hauteur) : canevas(canevas), W(largeur), H(hauteur) {}

    Canevas& canevas;
    const int W;
    const int H;
    // The running position: the top of the next line, and the x where a
    // line of several items goes on.
    int X = 10;
    int Y = 10;

    void ChoisitPolice(const QString& nom, int taille, StylePolice style = Normal);
    // The height of "S" in the current font.
    int HauteurLigne();
    int Largeur(const QString& s) { return canevas.LargeurTexte(s); }
    int Hauteur(const QString& s) { return canevas.HauteurTexte(s); }

    // White over the whole page; the pen back to black, the brush left white
    // so that every text stands on an opaque white cell.
    void Efface();

    void Trait(int x1, int y1, int x2, int y2);
    // An outline of four lines, never filled.
    void Cadre(int x1, int y1, int x2, int y2);
    // The text, with a box 3 pixels clear of it on either side and u div 8
    // above and below.
    void TexteEncadre(int x, int y, const QString& s);
    // Centred between x1 and x2 (overflowing both sides alike when wider).
    void EcritCentre(int x1, int y, int x2, const QString& s);
    // Ending at x.
    void EcritADroite(int x, int y, const QString& s);
    // At the running x, which then moves past the text.
    void EcritEtAvance(int y, const QString& s);
    // A legend above its boxed value, the narrower centred on the wider;
    // optionally moves the running x past the pair, the running y below it.
    void LegendeEtTexte(int x, int y, const QString& valeur, const QString& legende, bool nouveauX,
                        bool nouveauY);
    // Pairs spread over x1..x2: the first starts at x1, the last ends at x2,
    // equal gaps between (negative when they do not fit: they overlap
    // evenly). The running y is left alone; see HauteurPaire().
    void LigneDeLegendes(int x1, int y, int x2, const QStringList& legendes, const QStringList& valeurs);
    // The height of one row of pairs, measured on two sample words.
    int HauteurPaire();
    // The legend centred on xc, its value boxed and centred below it.
    void CaseCaracteristique(int xc, int y, const QString& valeur, const QString& legende);
    // Word-wrapped from x0 with the right limit xmax, cut at every single
    // space; the running y moves one u per line break and stays on the last
    // line written.
    void EcritParagraphe(int x0, int xmax, const QString& texte);
    // A word-wrapped table cell in the column x1..x2 from y; returns the
    // height it took: u × (lines − 1) + u div 4.
    int CelluleCentree(int x1, int y, int x2, const QString& texte);
    int CelluleAGauche(int x1, int y, int x2, const QString& texte);
    int HauteurCellule(int x1, int x2, const QString& texte);

private:
    enum class Alignement { Centre, Gauche, Aucun };
    int cellule(int x1, int y, int x2, const QString& texte, Alignement alignement);
};
