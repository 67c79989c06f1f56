#include "PageDeDessin.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

int ArrondiPair(double v)
{
    // nearbyint rounds in the current mode; set it to nearest, halves to even.
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(mode);
    return int(r);
}

void PageDeDessin::ChoisitPolice(const QString& nom, int taille, StylePolice style)
{
    canevas.Police(nom, taille, style);
}

int PageDeDessin::HauteurLigne()
{
    return canevas.HauteurTexte(QStringLiteral("S"));
}

void PageDeDessin::Efface()
{
    canevas.CouleurPinceau(Qt::white);
    canevas.CouleurPlume(Qt::white);
    canevas.Rectangle(0, 0, W, H);
    canevas.CouleurPlume(Qt::black);
}

void PageDeDessin::Trait(int x1, int y1, int x2, int y2)
{
    canevas.DeplaceA(x1, y1);
    canevas.LigneA(x2, y2);
}

void PageDeDessin::Cadre(int x1, int y1, int x2, int y2)
{
    canevas.DeplaceA(x1, y1);
    canevas.LigneA(x1, y2);
    canevas.LigneA(x2, y2);
    canevas.LigneA(x2, y1);
    canevas.LigneA(x1, y1);
}

void PageDeDessin::TexteEncadre(int x, int y, const QString& s)
{
    canevas.Ecrit(x, y, s);
    const int u = HauteurLigne();
    Cadre(x - 3, y - u / 8, x + Largeur(s) + 3, y + Hauteur(s) + u / 8);
}

void PageDeDessin::EcritCentre(int x1, int y, int x2, const QString& s)
{
    canevas.Ecrit(x1 + (x2 - x1 - Largeur(s)) / 2, y, s);
}

void PageDeDessin::EcritADroite(int x, int y, const QString& s)
{
    canevas.Ecrit(x - Largeur(s), y, s);
}

void PageDeDessin::EcritEtAvance(int y, const QString& s)
{
    canevas.Ecrit(X, y, s);
    X += Largeur(s);
}

void PageDeDessin::LegendeEtTexte(int x, int y, const QString& valeur, const QString& legende, bool nouveauX,
                                  bool nouveauY)
{
    const int u = HauteurLigne();
    const int wL = Largeur(legende);
    const int wV = Largeur(valeur);
    const int yValeur = y + Hauteur(legende) + u / 4;
    if (wL < wV + 3) {
        canevas.Ecrit(x + (wV + 3 - wL) / 2, y, legende);
        TexteEncadre(x, yValeur, valeur);
    } else {
        canevas.Ecrit(x, y, legende);
        TexteEncadre(x + (wL - wV - 3) / 2, yValeur, valeur);
    }
    if (nouveauX)
        X = x + std::max(wV + 3, wL);
    if (nouveauY)
        Y = yValeur + Hauteur(valeur);
}

void PageDeDessin::LigneDeLegendes(int x1, int y, int x2, const QStringList& legendes, const QStringList& valeurs)
{
    const qsizetype n = std::min(legendes.size(), valeurs.size());
    QList<int> largeurs;
    int total = 0;
    for (qsizetype i = 0; i < n; ++i) {
        largeurs.append(std::max(Largeur(legendes[i]), Largeur(valeurs[i]) + 3));
        total += largeurs.last();
    }
    const double ecart = n > 1 ? double(x2 - x1 - total) / double(n - 1) : 0.0;
    double position = x1;
    for (qsizetype i = 0; i < n; ++i) {
        LegendeEtTexte(ArrondiPair(position), y, valeurs[i], legendes[i], true, false);
        position += largeurs[i] + ecart;
    }
}

int PageDeDessin::HauteurPaire()
{
    return Hauteur(QStringLiteral("Legende")) + HauteurLigne() / 4 + Hauteur(QStringLiteral("Texte"));
}

void PageDeDessin::CaseCaracteristique(int xc, int y, const QString& valeur, const QString& legende)
{
    canevas.Ecrit(xc - Largeur(legende) / 2, y, legende);
    TexteEncadre(xc - Largeur(valeur) / 2, y + Hauteur(valeur) + HauteurLigne() / 4, valeur);
}

void PageDeDessin::EcritParagraphe(int x0, int xmax, const QString& texte)
{
    const int u = HauteurLigne();
    const QString espace = QStringLiteral(" ");
    QString reste = texte;
    int x = x0;
    for (qsizetype p = reste.indexOf(u' '); p >= 0; p = reste.indexOf(u' ')) {
        const QString mot = reste.left(p);
        reste.remove(0, p + 1);
        const int avecEspace = Largeur(mot + espace);
        if (x + avecEspace <= xmax) {
            canevas.Ecrit(x, Y, mot + espace);
            x += avecEspace;
        } else if (x + Largeur(mot) <= xmax) {
            canevas.Ecrit(x, Y, mot);
            x = x0;
            Y += u;
        } else {
            Y += u;
            canevas.Ecrit(x0, Y, mot + espace);
            x = x0 + avecEspace;
        }
    }
    if (x + Largeur(reste) <= xmax) {
        canevas.Ecrit(x, Y, reste);
    } else {
        Y += u;
        canevas.Ecrit(x0, Y, reste);
    }
}

int PageDeDessin::cellule(int x1, int y, int x2, const QString& texte, Alignement alignement)
{
    const int u = HauteurLigne();
    auto trace = [&](const QString& ligne) {
        if (alignement == Alignement::Centre)
            EcritCentre(x1, y, x2, ligne);
        else if (alignement == Alignement::Gauche)
            canevas.Ecrit(x1, y, ligne);
    };
    // A text that holds in the column is never cut: the chunks that lead
    // up to it are no wider than the whole. One measure then does, where the
    // cutting would measure every chunk a spell name is made of.
    if (!texte.isEmpty() && Largeur(texte) <= x2 - x1) {
        trace(texte);
        return u + u / 4;
    }
    QString reste = texte;
    QString ligne;
    int lignes = 1;
    do {
        const QString precedente = ligne;
        const qsizetype p = reste.indexOf(u' ');
        const QString morceau = p < 0 ? reste : reste.left(p + 1);
        reste.remove(0, morceau.size());
        ligne += morceau;
        if (Largeur(ligne) > x2 - x1) {
            trace(precedente);
            y += u;
            ++lignes;
            ligne = morceau;
        }
    } while (!reste.isEmpty());
    if (!ligne.isEmpty()) {
        trace(ligne);
        ++lignes;
    }
    return u * (lignes - 1) + u / 4;
}

int PageDeDessin::CelluleCentree(int x1, int y, int x2, const QString& texte)
{
    return cellule(x1, y, x2, texte, Alignement::Centre);
}

int PageDeDessin::CelluleAGauche(int x1, int y, int x2, const QString& texte)
{
    return cellule(x1, y, x2, texte, Alignement::Gauche);
}

int PageDeDessin::HauteurCellule(int x1, int x2, const QString& texte)
{
    return cellule(x1, 0, x2, texte, Alignement::Aucun);
}
