// The display list: current-position rules, relative steps, colours, styles and the user scale.
#include <gtest/gtest.h>

#include "surface/drawing_surface.h"

using namespace surface;

TEST(DrawingSurface, LinesFollowTheThreeOptionsAndMoveTheCurrentPosition) {
    DrawingSurface s;
    s.SetForeColour(RGB(1, 2, 3));
    s.LineStep({10, 10}, {5, -5});
    s.Line(std::nullopt, {100, 100}, false, RGB(9, 9, 9));
    s.Line(std::nullopt, {1, 1}, true);
    const auto& l = s.List();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].a, (Point{10, 10}));
    EXPECT_EQ(l[0].b, (Point{15, 5}));
    EXPECT_EQ(l[1].a, (Point{15, 5}));
    EXPECT_EQ(l[1].colour, RGB(9, 9, 9));
    EXPECT_EQ(l[2].a, (Point{100, 100}));
    EXPECT_EQ(l[2].b, (Point{101, 101}));
    EXPECT_EQ(l[2].colour, RGB(1, 2, 3));  // an explicit colour left the fore colour alone
    EXPECT_EQ(s.Current(), (Point{101, 101}));
}

TEST(DrawingSurface, CirclesAndTextSetTheCurrentPosition) {
    DrawingSurface s;
    s.SetScale(0, 0, 6000, 6000);
    s.SetDesignPixels(600, 600);
    s.Circle({300, 400}, 50);
    EXPECT_EQ(s.Current(), (Point{300, 400}));
    s.SetFont(Font{"Astrol", 12, false, false});
    s.Print(U" Nombre");
    const Primitive& text = s.List().back();
    EXPECT_EQ(text.kind, PrimitiveKind::Text);
    EXPECT_EQ(text.a, (Point{300, 400}));
    EXPECT_EQ(text.font.family, "Astrol");
    EXPECT_EQ(s.Current().x, 0);
    EXPECT_GT(s.Current().y, 400);
}

TEST(DrawingSurface, StylesAreRecordedAndClearKeepsThem) {
    DrawingSurface s;
    s.SetScale(0, 0, 32, 150);
    s.SetDrawStyle(kDotted);
    s.SetDrawWidth(2);
    s.LineAbs({1, 25}, {1, 125});
    EXPECT_EQ(s.List()[0].style, kDotted);
    EXPECT_EQ(s.List()[0].width, 2);
    s.SetFillStyle(kFillSolid);
    s.SetFillColour(kBlack);
    s.Circle({16, 75}, 0.3, kWhite);
    EXPECT_EQ(s.List()[1].fillStyle, kFillSolid);
    const auto before = s.Revision();
    s.Clear();
    EXPECT_TRUE(s.List().empty());
    EXPECT_GT(s.Revision(), before);
    EXPECT_EQ(s.DrawStyle(), kDotted);
    EXPECT_EQ(s.Current(), (Point{0, 0}));
    EXPECT_EQ(s.Scale(), (UserScale{0, 0, 32, 150}));
}
