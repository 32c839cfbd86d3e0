// Design layouts in twips become pixels by the screen's logical DPI.
#include <gtest/gtest.h>

#include <QWidget>

#include "surface/twips.h"

using surface::TwipsToPixels;

TEST(Twips, FifteenTwipsPerPixelAt96DpiAndScaledWithTheDpi) {
    struct Case {
        int twips;
        double dpi;
        int pixels;
    };
    const Case cases[] = {
        {0, 96, 0},      {15, 96, 1},      {1440, 96, 96}, {10600, 96, 707},  // 706.67 rounds up
        {-150, 96, -10}, {1440, 144, 144}, {15, 192, 2},   {7, 96, 0},       {8, 96, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
}

TEST(Twips, PlacesAWidgetByItsDesignGeometry) {
    QWidget parent;
    QWidget child(&parent);
    surface::PlaceTwips(&child, 1440, 720, 2880, 1500);
    const double dpiX = child.logicalDpiX(), dpiY = child.logicalDpiY();
    EXPECT_EQ(child.geometry(), QRect(TwipsToPixels(1440, dpiX), TwipsToPixels(720, dpiY),
                                      TwipsToPixels(2880, dpiX), TwipsToPixels(1500, dpiY)));
    EXPECT_EQ(TwipsToPixels(1440, &child), child.logicalDpiX());
}
