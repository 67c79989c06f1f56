#pragma once

#include "Canevas.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPoint>
#include <memory>
#include <vector>

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
    // A font chosen on this canvas, with its metrics on the device and the
    // widths already measured in it: the wrapped cells measure the same
    // words over and over, and a spell table goes back and forth between
    // its plain and struck-out fonts at every failed spell.
    struct PoliceMesuree {
        QString nom;
        int taille = 0;
        StylePolice style = Normal;
        QFont police;
        QFontMetrics mesure;
        int hauteur = 0;
        int ascendante = 0;
        QHash<QString, int> largeurs;
    };
    PoliceMesuree& mesuree(const QString& nom, int taille, StylePolice style);
    // The most widths a font keeps.
    static constexpr qsizetype LargeursRetenues = 4096;

    QPainter& peintre_;
    QColor pinceau_ = Qt::white;
    QColor plume_ = Qt::black;
    QPoint position_;
    // Every font chosen so far (a page uses a handful); the current one.
    std::vector<std::unique_ptr<PoliceMesuree>> polices_;
    PoliceMesuree* courante_ = nullptr;
};
