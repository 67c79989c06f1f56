#pragma once

#include "Canevas.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPoint>

// The canvas over a QPainter that is active on the target device (a printer
// or PDF page, a paint box, an image). Text is measured with the device's
// own font metrics, so a point size gives as many device pixels as the
// device's resolution makes of it. The pen stays one device pixel wide.
class CanevasPeintre : public Canevas {
public:
    explicit CanevasPeintre(QPainter& peintre);

    void Police(const QString& nom, int taille, StylePolice style) override;
    void CouleurPinceau(const QColor& couleur) override;
    void CouleurPlume(const QColor& couleur) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void DeplaceA(int x, int y) override;
    void LigneA(int x, int y) override;
    void Ecrit(int x, int y, const QString& texte) override;
    int LargeurTexte(const QString& texte) override;
    int HauteurTexte(const QString& texte) override;

private:
    QPainter& peintre_;
    QColor pinceau_ = Qt::white;
    QColor plume_ = Qt::black;
    QPoint position_;
    // The metrics of the current font on the device, taken when it is chosen.
    QFontMetrics mesure_;
    // Widths already measured in the current font: the wrapped cells measure
    // the same words over and over.
    QHash<QString, int> largeurs_;
};
