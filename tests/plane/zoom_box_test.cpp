// The zoom box around the mouse point: which concepts it shows and where, its strict borders in
// both arithmetics, the four readouts, and the definitions of concepts by their radius.
#include <gtest/gtest.h>

#include <cmath>

#include "conceptplane/concept_description.h"
#include "conceptplane/text.h"
#include "conceptplane/zoom_box.h"
#include "plane_fixture.h"

using cp::Arithmetic;
using cp::CurrentPoint;

namespace {

struct Drawn {
    cp::Text name;
    double zx, zy;
    bool operator==(const Drawn& o) const {
        return name == o.name && std::hypot(zx - o.zx, zy - o.zy) < 1e-9;
    }
};

std::vector<Drawn> Lookup(const cp::ConceptTable& table, double x, double y, Arithmetic a) {
    surface::DrawingSurface box(surface::RGB(255, 255, 192), surface::kBlack);
    box.SetScale(0, 0, cp::kZoomBoxSize, cp::kZoomBoxSize);
    CurrentPoint point{x, y, 0, 0};
    cp::ShowZoomBox(box, point, table, a);
    std::vector<Drawn> out;
    const auto& list = box.List();
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        if (list[i].kind != surface::PrimitiveKind::Circle) continue;
        EXPECT_EQ(list[i + 1].kind, surface::PrimitiveKind::Text);
        EXPECT_EQ(list[i + 1].a, list[i].a);  // the name prints at the circle's centre
        out.push_back({cp::TrimRightBlanks(list[i + 1].text), list[i].a.x, list[i].a.y});
    }
    return out;
}

}  // namespace

TEST(ZoomBox, ShowsTheConceptsStrictlyInsideTheSquareAroundThePointInFileOrder) {
    const auto table = planetest::ConceptTableOf({{U"Sobre el punto", 0, 0, 5198, 0},
                                                  {U"A la derecha", 0, 0, 6000, 0},
                                                  {U"Demasiado lejos", 0, 0, 7000, 0},
                                                  {U"Arriba", 0, 0, 5198, 1400},
                                                  {U"Fuera arriba", 0, 0, 5198, 1600},
                                                  {U"Centro", 0, 0, 0, 0}});
    const double k = 2 * 5198 / 5198.1;
    EXPECT_EQ(Lookup(table, 5198, 0, Arithmetic::Rorev),
              (std::vector<Drawn>{{U" Sobre el punto", 2996, 2996},  // rorev's 4-unit shift
                                  {U" A la derecha", 802 * k + 2996, 2996},
                                  {U" Arriba", 2996, 3000 - 1400 * k - 4}}));
    // At the centre only a concept within about 0.03 plane units shows.
    EXPECT_EQ(Lookup(table, 0, 0, Arithmetic::Rorev), (std::vector<Drawn>{{U" Centro", 2996, 2996}}));

    // At radius 2598.9 the box scale is exactly 4, so these heights land on whole box units; 0 and
    // 6000 exactly are outside. Orvanel rounds without the shift: 749.9 gives 0 and -750 gives 6000.
    const auto edges = planetest::ConceptTableOf({{U"Borde cero", 0, 0, 2598.9, 749},
                                                  {U"Dentro", 0, 0, 2598.9, 748.75},
                                                  {U"Borde seis mil", 0, 0, 2598.9, -751},
                                                  {U"Medio", 0, 0, 2598.9, 749.9},
                                                  {U"Seis mil sin desplazar", 0, 0, 2598.9, -750}});
    EXPECT_EQ(Lookup(edges, 2598.9, 0, Arithmetic::Rorev),
              (std::vector<Drawn>{{U" Dentro", 2996, 1}, {U" Seis mil sin desplazar", 2996, 5996}}));
    EXPECT_EQ(Lookup(edges, 2598.9, 0, Arithmetic::Orvanel),
              (std::vector<Drawn>{{U" Borde cero", 3000, 4}, {U" Dentro", 3000, 5}}));
}

TEST(ZoomBox, DrawsThirteenRadialLinesFromThePlanesCentre) {
    surface::DrawingSurface box;
    box.SetScale(0, 0, 6000, 6000);
    CurrentPoint point{3000, 4000, 0, 0};
    cp::ShowZoomBox(box, point, planetest::ConceptTableOf({}), Arithmetic::Rorev);
    const auto radial = planetest::LinesIn(box, box.ForeColour());
    ASSERT_EQ(radial.size(), 13u);
    const double k = 2 * 5198 / 5000.1;
    planetest::ExpectNear(radial[0].a, {3000 - 3000 * k, 3000 + 4000 * k}, 1e-9);  // the plane's centre
}

TEST(ZoomBox, ReadoutsFollowEachProgramsRounding) {
    const struct {
        double x, y;
        Arithmetic a;
        cp::Text readouts;  // x, y, angle and radius
    } cases[] = {
        {0, 0, Arithmetic::Rorev, U"0 0 0 0"},
        {-5, 0, Arithmetic::Rorev, U"0 0 180 0"},            // |-0.5| < 1
        {-15, 0, Arithmetic::Rorev, U"-2 0 180 2"},          // -1.5 rounds to -2
        {-25, 1000, Arithmetic::Rorev, U"-3 100 91 100"},    // "######" rounds halves away
        {-25, 1000, Arithmetic::Orvanel, U"-2 100 91 100"},  // halves to even
        {1765, 60, Arithmetic::Orvanel, U"176 6 2 177"},
        {0, 0, Arithmetic::Orvanel, U"0 0 0 0"},
    };
    for (const auto& c : cases) {
        surface::DrawingSurface box;
        CurrentPoint point{c.x, c.y, 0, 0};
        cp::ShowZoomBox(box, point, planetest::ConceptTableOf({}), c.a);
        const auto r = cp::MakeReadouts(point, c.a);
        EXPECT_EQ(r.x + U" " + r.y + U" " + r.angle + U" " + r.radius, c.readouts) << c.x << " " << c.y;
    }
}

TEST(DescribeConcept, RecognisesOnlyTheStoredRadiiOfEachFamily) {
    const cp::Text rigor = cp::Fixed(U"Rigor", 30);
    struct Case {
        double radius;
        cp::Text text;
    } cases[] = {
        {5198, U"Concepto base del nivel 6"},
        {3412, U"Rigor excelente"},
        {7351, U"Rigor deficiente"},
        {9003, U"Exceso de " + rigor},
        {5381, U"Falta de " + rigor},
        {5200, U""},
        {0, U""},
        {3412.5, U""},
    };
    for (const Case& c : cases) {
        const auto table = planetest::ConceptTableOf({{U"Concepto", 0, c.radius, 0, 0, U"Rigor"}});
        EXPECT_EQ(cp::DescribeConcept(table.Read(1)), c.text) << c.radius;
    }
    // A radius field with no number reads as 0: no definition, no failure.
    auto blank = planetest::ConceptTableOf({{U"Concepto", 0, 0, 0, 0, U"Rigor"}}).Read(1);
    blank.radius = U"             ";
    blank.radiusValue = 0;
    EXPECT_EQ(cp::DescribeConcept(blank), U"");
}
