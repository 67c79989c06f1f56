#include "CanevasPeintre.h"

#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <cstdlib>

CanevasPeintre::CanevasPeintre(QPainter& peintre)
    : peintre_(peintre), mesure_(peintre.font(), peintre.device())
{
    peintre_.setRenderHint(QPainter::Antialiasing, false);
    peintre_.setBackgroundMode(Qt::TransparentMode);
    peintre_.setPen(QPen(plume_, 1));
    peintre_.setBrush(pinceau_);
}

void CanevasPeintre::Police(const QString& nom, int taille, StylePolice style)
{
    QFont police(nom);
    police.setPointSize(taille);
    police.setBold(style & Gras);
    police.setItalic(style & Italique);
    police.setStrikeOut(style & Barre);
    // Widths add up as the device measures them, glyph by glyph.
    police.setKerning(false);
    if (police == peintre_.font())
        return;
    peintre_.setFont(police);
    mesure_ = QFontMetrics(police, peintre_.device());
    largeurs_.clear();
}

void CanevasPeintre::CouleurPinceau(const QColor& couleur)
{
    pinceau_ = couleur;
    peintre_.setBrush(couleur);
}

void CanevasPeintre::CouleurPlume(const QColor& couleur)
{
    plume_ = couleur;
    peintre_.setPen(QPen(couleur, 1));
}

void CanevasPeintre::Rectangle(int x1, int y1, int x2, int y2)
{
    // Like the line ends, the right and bottom edges are outside.
    const QRect r(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    peintre_.fillRect(r, pinceau_);
    peintre_.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void CanevasPeintre::DeplaceA(int x, int y)
{
    position_ = QPoint(x, y);
}

void CanevasPeintre::LigneA(int x, int y)
{
    const QPoint fin(x, y);
    const int dx = fin.x() - position_.x();
    const int dy = fin.y() - position_.y();
    const int pas = std::max(std::abs(dx), std::abs(dy));
    if (pas > 0) {
        // The last pixel before the end point, along the line.
        const QPoint avant(fin.x() - qRound(double(dx) / pas), fin.y() - qRound(double(dy) / pas));
        peintre_.drawLine(position_, avant);
    }
    position_ = fin;
}

void CanevasPeintre::Ecrit(int x, int y, const QString& texte)
{
    if (texte.isEmpty())
        return;
    peintre_.fillRect(QRect(x, y, LargeurTexte(texte), mesure_.height()), pinceau_);
    const QPen plume = peintre_.pen();
    peintre_.setPen(QPen(Qt::black));   // page text is black
    peintre_.drawText(x, y + mesure_.ascent(), texte);
    peintre_.setPen(plume);
}

int CanevasPeintre::LargeurTexte(const QString& texte)
{
    auto i = largeurs_.constFind(texte);
    if (i == largeurs_.constEnd())
        i = largeurs_.insert(texte, mesure_.horizontalAdvance(texte));
    return *i;
}

int CanevasPeintre::HauteurTexte(const QString&)
{
    return mesure_.height();
}
