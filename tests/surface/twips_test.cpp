// Design layouts in twips become pixels by the screen's logical DPI.
#include <gtest/gtest.h>

#include "surface/twips.h"

TEST(Twips, FifteenTwipsPerPixelAt96DpiAndScaledWithTheDpi) {
    const struct {
        int twips;
        double dpi;
        int pixels;
    } cases[] = {
        {0, 96, 0},      {15, 96, 1},      {1440, 96, 96}, {10600, 96, 707},  // 706.67 rounds up
        {-150, 96, -10}, {1440, 144, 144}, {15, 192, 2},   {7, 96, 0},       {8, 96, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(surface::TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
}
