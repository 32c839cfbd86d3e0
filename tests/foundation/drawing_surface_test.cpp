// The display list: current-position rules, relative steps, colours, styles and the user scale.
#include <gtest/gtest.h>

#include "surface/drawing_surface.h"

using namespace surface;

// A line in its own colour leaves the fore colour alone; a text is printed at the current position
// and moves it to the start of the next line; a clear empties the list but keeps the styles and the
// scale.
TEST(DrawingSurface, TheCurrentPositionColoursAndStyles) {
    DrawingSurface s;
    s.SetScale(0, 0, 6000, 6000);
    s.SetDesignPixels(600, 600);
    s.SetForeColour(RGB(1, 2, 3));
    s.SetDrawStyle(kDotted);
    s.LineStep({10, 10}, {5, -5});
    s.Line(std::nullopt, {300, 400}, false, RGB(9, 9, 9));
    EXPECT_EQ(std::pair(s.List()[1].a, s.List()[1].b), std::pair(Point{15, 5}, Point{300, 400}));
    EXPECT_EQ(s.ForeColour(), RGB(1, 2, 3));
    s.Print(U" Nombre");
    EXPECT_EQ(s.List().back().a, (Point{300, 400}));
    EXPECT_EQ(s.Current().x, 0);
    EXPECT_GT(s.Current().y, 400);
    const auto before = s.Revision();
    s.Clear();
    EXPECT_TRUE(s.List().empty());
    EXPECT_GT(s.Revision(), before);
    EXPECT_EQ(s.DrawStyle(), kDotted);
    EXPECT_EQ(s.Current(), (Point{0, 0}));
    EXPECT_EQ(s.Scale(), (UserScale{0, 0, 6000, 6000}));
}
