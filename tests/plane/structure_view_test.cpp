// The structure view: the six list lines and the figure drawn for them.
#include <gtest/gtest.h>

#include "conceptplane/structure_view.h"
#include "conceptplane/text.h"

TEST(StructureView, ListsAndDrawsTheArcAndTheRadiusOfLevelsTwoToSeven) {
    const auto figure = cp::ComputeStructure();
    std::vector<cp::Text> lines;
    for (const auto& l : figure.levels)
        lines.push_back(l.line);
    EXPECT_EQ(lines, (std::vector<cp::Text>{U"soma         00373  00372", U"instintos    00721  00715",
                                            U"facultades   01393  01352", U"actitudes    02691  02404",
                                            U"virtudes     05198  03309", U"plenitud     10042  00353"}));
    EXPECT_NEAR(figure.meridianRadius, 3309.15f, 0.01f);
    EXPECT_EQ(figure.levels[4].py, 3500);  // a quarter of the meridian: on the axis' height

    surface::DrawingSurface p;
    p.SetScale(0, 0, 7000, 7000);
    cp::DrawStructure(p, figure);
    cp::DrawStructure(p, figure);  // not cleared: each activation draws the figure again over itself
    const auto& list = p.List();
    ASSERT_EQ(list.size(), 2u + 6 * 3);
    EXPECT_EQ(list[0].kind, surface::PrimitiveKind::Circle);
    EXPECT_EQ(list[0].a, (surface::Point{0, 3500}));
    EXPECT_EQ(list[1].b, (surface::Point{static_cast<double>(figure.meridianRadius), 3500}));
    EXPECT_EQ(list[4].kind, surface::PrimitiveKind::Text);
    EXPECT_EQ(list[4].text, U"soma");
    EXPECT_EQ(list[4].a, (surface::Point{5000, static_cast<double>(figure.levels[0].py)}));
}
