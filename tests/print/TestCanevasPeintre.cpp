#include "CanevasPeintre.h"
#include "PageDeDessin.h"
#include "Pages.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <gtest/gtest.h>

namespace {

const QRgb gris = QColor(Qt::gray).rgb();

// An image of the given resolution, grey so that what is painted white shows.
QImage image(int dpi)
{
    QImage i(400, 200, QImage::Format_RGB32);
    i.setDotsPerMeterX(qRound(dpi / 0.0254));
    i.setDotsPerMeterY(qRound(dpi / 0.0254));
    i.fill(Qt::gray);
    return i;
}

TEST(CanevasPeintre, LinesStopBeforeTheirEndPoint)
{
    QImage i = image(96);
    {
        QPainter peintre(&i);
        CanevasPeintre canevas(peintre);
        PageDeDessin page(canevas, 400, 200);
        page.Trait(2, 5, 8, 5);
        page.Trait(20, 10, 20, 30);
    }
    EXPECT_EQ(i.pixel(2, 5), qRgb(0, 0, 0));
    EXPECT_EQ(i.pixel(7, 5), qRgb(0, 0, 0));
    EXPECT_EQ(i.pixel(8, 5), gris);
    EXPECT_EQ(i.pixel(20, 29), qRgb(0, 0, 0));
    EXPECT_EQ(i.pixel(20, 30), gris);
    EXPECT_EQ(i.pixel(21, 20), gris);   // one pixel wide
}

TEST(CanevasPeintre, TextStandsOnAnOpaqueCellOfItsMeasuredSize)
{
    QImage i = image(96);
    int largeur = 0, hauteur = 0;
    {
        QPainter peintre(&i);
        CanevasPeintre canevas(peintre);
        PageDeDessin page(canevas, 400, 200);
        page.Efface();
        i.fill(Qt::gray);
        page.ChoisitPolice(TimesNewRoman, 12, Gras);
        page.canevas.Ecrit(10, 20, QStringLiteral("MMM"));
        largeur = page.Largeur(QStringLiteral("MMM"));
        hauteur = page.Hauteur(QStringLiteral("MMM"));
    }
    EXPECT_EQ(i.pixel(10, 20), qRgb(255, 255, 255));
    EXPECT_EQ(i.pixel(10 + largeur - 1, 20 + hauteur - 1), qRgb(255, 255, 255));
    EXPECT_EQ(i.pixel(10 + largeur, 20), gris);
    EXPECT_EQ(i.pixel(10, 20 + hauteur), gris);
    int noirs = 0;
    for (int x = 10; x < 10 + largeur; ++x)
        for (int y = 20; y < 20 + hauteur; ++y)
            noirs += qGray(i.pixel(x, y)) < 64;
    EXPECT_GT(noirs, 20);
}

TEST(CanevasPeintre, PointsAreRenderedAtTheDeviceResolution)
{
    auto mesure = [](int dpi) {
        QImage i = image(dpi);
        QPainter peintre(&i);
        CanevasPeintre canevas(peintre);
        PageDeDessin page(canevas, 400, 200);
        page.ChoisitPolice(TimesNewRoman, 12);
        return std::pair{page.HauteurLigne(), page.Largeur(QStringLiteral("Livre de sorts"))};
    };
    const auto [h96, l96] = mesure(96);
    const auto [h300, l300] = mesure(300);
    // 12 points are 16 pixels at 96 dpi, 50 at 300 dpi (the line is a little taller).
    EXPECT_GE(h96, 16);
    EXPECT_LE(h96, 20);
    EXPECT_NEAR(h300, h96 * 300.0 / 96.0, 4.0);
    EXPECT_NEAR(l300, l96 * 300.0 / 96.0, 6.0);
}

// Passes everything on to the painter's canvas and notes each text with the
// cell it took there and the style it was asked in.
class CanevasNote : public Canevas {
public:
    explicit CanevasNote(Canevas& dessous) : dessous_(dessous) {}

    struct Texte {
        QString texte;
        QRect cellule;
        StylePolice style;
    };
    QList<Texte> textes;

    void Police(const QString& nom, int taille, StylePolice style) override
    {
        style_ = style;
        dessous_.Police(nom, taille, style);
    }
    void CouleurPinceau(const QColor& c) override { dessous_.CouleurPinceau(c); }
    void CouleurPlume(const QColor& c) override { dessous_.CouleurPlume(c); }
    void Rectangle(int x1, int y1, int x2, int y2) override { dessous_.Rectangle(x1, y1, x2, y2); }
    void DeplaceA(int x, int y) override { dessous_.DeplaceA(x, y); }
    void LigneA(int x, int y) override { dessous_.LigneA(x, y); }
    void Ecrit(int x, int y, const QString& texte) override
    {
        dessous_.Ecrit(x, y, texte);
        if (!texte.isEmpty())
            textes.append({texte, QRect(x, y, dessous_.LargeurTexte(texte), dessous_.HauteurTexte(texte)), style_});
    }
    int LargeurTexte(const QString& texte) override { return dessous_.LargeurTexte(texte); }
    int HauteurTexte(const QString& texte) override { return dessous_.HauteurTexte(texte); }

private:
    Canevas& dessous_;
    StylePolice style_ = Normal;
};

class SansNouvellePage : public Pagination {
public:
    bool NouvellePage(PageDeDessin&) override { return false; }
};

// The longest run of dark pixels along one row of the middle half of the cell.
int PlusLongTraitAuMilieu(const QImage& image, const QRect& r)
{
    int plusLong = 0;
    for (int y = r.top() + r.height() / 4; y <= r.bottom() - r.height() / 4; ++y) {
        int trait = 0;
        for (int x = r.left(); x <= r.right(); ++x) {
            trait = qGray(image.pixel(x, y)) < 100 ? trait + 1 : 0;
            plusLong = std::max(plusLong, trait);
        }
    }
    return plusLong;
}

TEST(CanevasPeintre, TheDetailsOfAFailedSpellAreStruckThroughOnTheDevice)
{
    // A failed spell of level 1 in the spellbook's table, on a paper-like
    // device of 300 dpi.
    DonneesImpression d;
    d.ChanceApprentissage = 50;
    d.SortsDeMage[0] = QStringList{"Beta&1 tour&3 rounds&10 m&Une cible&V, S, M"};
    d.SortsDeMageParNiveau[0] = QStringList{"Beta&51"};
    QImage i(3620, 300, QImage::Format_RGB32);
    i.setDotsPerMeterX(qRound(300 / 0.0254));
    i.setDotsPerMeterY(qRound(300 / 0.0254));
    QList<CanevasNote::Texte> textes;
    {
        QPainter peintre(&i);
        CanevasPeintre surImage(peintre);
        CanevasNote canevas(surImage);
        PageDeDessin page(canevas, i.width(), i.height());
        page.Efface();
        SansNouvellePage pagination;
        ASSERT_TRUE(TableDeSorts(page, d, 1, true, pagination, Cible::Papier));
        textes = canevas.textes;
    }

    // A dark line runs across every struck-out text, through the middle of
    // its cell; the header, the name and the roll have none.
    QStringList barres;
    for (const auto& t : textes) {
        const int trait = PlusLongTraitAuMilieu(i, t.cellule);
        if (t.style == Barre) {
            barres.append(t.texte);
            EXPECT_GE(trait, t.cellule.width() * 9 / 10) << t.texte.toStdString();
        } else {
            EXPECT_LT(trait, t.cellule.width() / 2) << t.texte.toStdString();
        }
    }
    EXPECT_EQ(barres, (QStringList{"1 tour", "3 rounds", "10 m", "Une cible", "V, S, M"}));
    EXPECT_TRUE(std::any_of(textes.begin(), textes.end(), [](const auto& t) { return t.texte == "51 %"; }));
}

}
