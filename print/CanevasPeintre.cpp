#include "CanevasPeintre.h"

#include <QPen>
#include <algorithm>
#include <cstdlib>

namespace {

QFont police(const QString& nom, int taille, StylePolice style)
{
    QFont p(nom);
    p.setPointSize(taille);
    p.setBold(style & Gras);
    p.setItalic(style & Italique);
    p.setStrikeOut(style & Barre);
    // Widths add up as the device measures them, glyph by glyph.
    p.setKerning(false);
    return p;
}

}

CanevasPeintre::CanevasPeintre(QPainter& peintre) : peintre_(peintre)
{
    peintre_.setRenderHint(QPainter::Antialiasing, false);
    peintre_.setBackgroundMode(Qt::TransparentMode);
    peintre_.setPen(QPen(plume_, 1));
    peintre_.setBrush(pinceau_);
    // Until a font is chosen, the painter's own (no choice names it: size 0).
    const QFont initiale = peintre_.font();
    polices_.push_back(std::make_unique<PoliceMesuree>(
        PoliceMesuree{QString(), 0, Normal, initiale, QFontMetrics(initiale, peintre_.device()), 0, 0, {}}));
    courante_ = polices_.back().get();
    courante_->hauteur = courante_->mesure.height();
    courante_->ascendante = courante_->mesure.ascent();
}

CanevasPeintre::PoliceMesuree& CanevasPeintre::mesuree(const QString& nom, int taille, StylePolice style)
{
    for (const auto& p : polices_)
        if (p->taille == taille && p->style == style && p->nom == nom)
            return *p;
    const QFont f = police(nom, taille, style);
    polices_.push_back(std::make_unique<PoliceMesuree>(
        PoliceMesuree{nom, taille, style, f, QFontMetrics(f, peintre_.device()), 0, 0, {}}));
    PoliceMesuree& p = *polices_.back();
    p.hauteur = p.mesure.height();
    p.ascendante = p.mesure.ascent();
    return p;
}

void CanevasPeintre::Police(const QString& nom, int taille, StylePolice style)
{
    if (courante_->taille == taille && courante_->style == style && courante_->nom == nom)
        return;
    courante_ = &mesuree(nom, taille, style);
    if (courante_->police != peintre_.font())
        peintre_.setFont(courante_->police);
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
    peintre_.fillRect(QRect(x, y, LargeurTexte(texte), courante_->hauteur), pinceau_);
    const QPen plume = peintre_.pen();
    peintre_.setPen(QPen(Qt::black));   // page text is black
    peintre_.drawText(x, y + courante_->ascendante, texte);
    peintre_.setPen(plume);
}

int CanevasPeintre::LargeurTexte(const QString& texte)
{
    auto& largeurs = courante_->largeurs;
    auto i = largeurs.constFind(texte);
    if (i == largeurs.constEnd()) {
        // A book of many spells names each once: what it keeps is the
        // recent texts, not every name drawn.
        if (largeurs.size() >= LargeursRetenues)
            largeurs.clear();
        i = largeurs.insert(texte, courante_->mesure.horizontalAdvance(texte));
    }
    return *i;
}

int CanevasPeintre::HauteurTexte(const QString&)
{
    return courante_->hauteur;
}
