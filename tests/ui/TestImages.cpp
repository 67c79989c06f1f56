#include "Images.h"

#include <QImage>
#include <gtest/gtest.h>

// The pictures rendered by the build are shown at their size, with their
// transparency; a name the build did not render gives nothing.
TEST(Images, RenduesALaConstruction)
{
    const QPixmap decor = Image("decor");
    EXPECT_EQ(decor.size(), QSize(311, 273));
    EXPECT_EQ(Image("armes_grand").size(), QSize(153, 153));
    const QImage icone = Image("nouveau").toImage();
    ASSERT_EQ(icone.size(), QSize(64, 64));
    EXPECT_TRUE(icone.hasAlphaChannel());
    bool dessinee = false;
    for (int y = 0; y < icone.height(); ++y)
        for (int x = 0; x < icone.width(); ++x)
            dessinee = dessinee || qAlpha(icone.pixel(x, y)) != 0;
    EXPECT_TRUE(dessinee);
    EXPECT_FALSE(Icone("vardel").isNull());
    EXPECT_EQ(Image("des").size(), QSize(64, 64));
    EXPECT_TRUE(Image("inconnue").isNull());
}
