#pragma once

#include <QColor>
#include <QString>

// What the pages draw on: exactly the operations they need, in whole device
// pixels of the target (origin at the top-left corner of the drawable area,
// y downwards). A printer page and the preview's paint box both offer them
// (CanevasPeintre); tests record them (CanevasEnregistreur).

// A set of bold, italic and strike-out.
enum StylePolice : unsigned {
    Normal = 0,
    Gras = 1,
    Italique = 2,
    Barre = 4,
};
inline constexpr StylePolice operator|(StylePolice a, StylePolice b)
{
    return StylePolice(unsigned(a) | unsigned(b));
}

class Canevas {
public:
    virtual ~Canevas() = default;

    // The current font: family, size in points (the device renders it at
    // its own resolution) and style.
    virtual void Police(const QString& nom, int taille, StylePolice style) = 0;
    // The fill colour (rectangles, the cell behind a text) and the line colour.
    virtual void CouleurPinceau(const QColor& couleur) = 0;
    virtual void CouleurPlume(const QColor& couleur) = 0;
    // Filled with the brush, outlined with the pen.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // A straight line from the current pen position; the end point itself
    // is not drawn.
    virtual void DeplaceA(int x, int y) = 0;
    virtual void LigneA(int x, int y) = 0;
    // The text with the top-left corner of its cell at (x, y), in the
    // current font, on an opaque cell of the brush colour.
    virtual void Ecrit(int x, int y, const QString& texte) = 0;
    // The size of the text's cell in the current font.
    virtual int LargeurTexte(const QString& texte) = 0;
    virtual int HauteurTexte(const QString& texte) = 0;
};
