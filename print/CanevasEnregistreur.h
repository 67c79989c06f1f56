#pragma once

#include "Canevas.h"
#include "Pagination.h"

#include <QList>
#include <QString>

// A canvas that draws nothing and keeps what was asked of it, with plain
// metrics that a reader can work out by hand: in a font of `taille` points
// a text is `taille` pixels wide per character and 2 × `taille` high. So in
// Times New Roman 8 the line unit is 16, in 12 it is 24.
class CanevasEnregistreur : public Canevas {
public:
    enum class Genre { Texte, Trait, Rectangle, Page };

    struct Trace {
        Genre genre;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // a text: x1, y1 only
        QString texte;
        // The font and colours in force when the trace was made.
        QString police;
        int taille = 0;
        StylePolice style = Normal;
        QColor pinceau, plume;
        bool operator==(const Trace&) const = default;
    };

    void Police(const QString& nom, int taille, StylePolice style) override;
    void CouleurPinceau(const QColor& couleur) override { pinceau_ = couleur; }
    void CouleurPlume(const QColor& couleur) override { plume_ = couleur; }
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void DeplaceA(int x, int y) override;
    void LigneA(int x, int y) override;
    void Ecrit(int x, int y, const QString& texte) override;
    int LargeurTexte(const QString& texte) override;
    int HauteurTexte(const QString& texte) override;

    // A page break, as a trace of its own.
    void MarquePage();

    QList<Trace> traces;

    // Lookups for the tests.
    QList<Trace> textes() const;
    QList<Trace> traits() const;
    // The first text equal to `texte`; a trace of genre Page when none is.
    Trace texte(const QString& texte) const;
    bool contient(const QString& texte) const;
    // The texts of the page n (from 1), in drawing order.
    QStringList textesDeLaPage(int n) const;
    int nombreDePages() const;

private:
    Trace nouvelle(Genre genre) const;
    QString police_;
    int taille_ = 0;
    StylePolice style_ = Normal;
    QColor pinceau_ = Qt::white, plume_ = Qt::black;
    int x_ = 0, y_ = 0;
};

// Page breaks for the tests: each break is marked on the recording and
// accepted, until `maximum` breaks have been made (then the drawing is told
// to stop, as the preview does at the end of the page it shows).
class PaginationEnregistree : public Pagination {
public:
    explicit PaginationEnregistree(CanevasEnregistreur& canevas, int maximum = 1000)
        : canevas_(canevas), maximum_(maximum) {}
    bool NouvellePage(PageDeDessin& page) override;
    int sauts = 0;

private:
    CanevasEnregistreur& canevas_;
    int maximum_;
};
