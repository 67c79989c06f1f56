#include "CanevasPeintre.h"
#include "PageDeDessin.h"

#include <QImage>
#include <QPainter>
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

}
