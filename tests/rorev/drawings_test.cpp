// The plain pieces behind rorev's secondary windows: the levels drawing's radius window and pair
// table, and the details caption's number formats.
#include <gtest/gtest.h>

#include "conceptplane/concept_description.h"
#include "rorev/details_caption.h"
#include "rorev/levels_drawing.h"

namespace rorev_test {
namespace {

cp::ConceptRecord Record(const char32_t* name, double degrees, double radius, double x, double y) {
    cp::ConceptRecord r;
    r.reference = cp::Fixed(name, 30);
    r.name = cp::Fixed(name, 30);
    const auto field = [](double v) { return cp::Fixed(cp::FromUtf8(std::to_string(v)), 13); };
    r.degrees = field(degrees);
    r.radius = field(radius);
    r.x = field(x);
    r.y = field(y);
    return r;
}

cp::ConceptTable TableOf(const std::vector<cp::ConceptRecord>& records) {
    std::string bytes;
    for (const auto& r : records)
        bytes += cp::EncodeConceptRecord(r);
    return cp::ConceptTable::FromBytes(bytes);
}

std::vector<std::u32string> Printed(const surface::DrawingSurface& s) {
    std::vector<std::u32string> names;
    for (const auto& p : s.List())
        if (p.kind == surface::PrimitiveKind::Text) names.push_back(cp::TrimBlanks(p.text));
    return names;
}

TEST(LevelsDrawing, PairsCarryTheirLimitsAndStartAngles) {
    const auto& pairs = rorev::LevelPairs();
    const std::pair<int, int> expected[] = {{194, 15},  {374, 0},  {722, 15},  {1394, 0},
                                            {2692, 15}, {5199, 0}, {10043, 15}};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_EQ(pairs[i].upperLimit, expected[i].first) << i;
        EXPECT_EQ(pairs[i].startAngle, expected[i].second) << i;
        EXPECT_EQ(pairs[i].pairText, std::to_string(i) + " al " + std::to_string(i + 1));
    }
}

TEST(LevelsDrawing, PrintsOnlyTheRadiiStrictlyInsideThePairsWindow) {
    // For L = 194 the window is 96 < radius < 194.
    const cp::ConceptTable table = TableOf({
        Record(U"Abajo", 0, 96, 96, 0),       // L / 2 − 1: outside
        Record(U"Dentro", 0, 96.5, 96.5, 0),  // just inside
        Record(U"Borde", 90, 193, 0, 193),    // L − 1, the upper base level: printed
        Record(U"Fuera", 90, 194, 0, 194),    // L: outside
        Record(U"Vacio", 0, 0, 0, 0),         // a record with no numbers reads as 0
    });
    surface::DrawingSurface picture;
    picture.SetScale(0, 0, 11000, 11000);
    rorev::DrawLevels(picture, table, 194, 15);
    EXPECT_EQ(Printed(picture), (std::vector<std::u32string>{U"Dentro", U"Borde"}));
    // "Borde", 5 letters, at the outer circle straight up: scale 5198 / 193.
    const surface::Primitive& borde = picture.List().back();
    EXPECT_NEAR(borde.a.x, 5500 - 30 * 5, 1e-9);
    EXPECT_NEAR(borde.a.y, 5500 - 5198, 1e-9);

    // Nothing pressed yet (L = 0): −1 < radius < 0 holds nothing.
    rorev::DrawLevels(picture, table, 0, 0);
    EXPECT_TRUE(Printed(picture).empty());
    // The black disk under the centre label is filled and drawn in black.
    const surface::Primitive& disk = picture.List().back();
    EXPECT_EQ(disk.radius, 2000);
    EXPECT_EQ(disk.fillStyle, surface::kFillSolid);
    EXPECT_EQ(disk.colour, surface::kBlack);
    EXPECT_EQ(picture.FillStyle(), surface::kFillTransparent);
}

TEST(DetailsCaption, SixParagraphsInDisplayedUnits) {
    struct Case {
        cp::ConceptRecord record;
        const char32_t* expected;
    };
    const Case cases[] = {
        {Record(U"Fortaleza", 15, 5198, 5020.88, 1345.34),
         U"Nombre,    Fortaleza                     \r\n\r\nDefinición,    Concepto base del nivel 6\r\n\r\n"
         U"Grados = 15\r\n\r\nRadio = 520\r\n\r\nX = 502\r\n\r\nY = 135"},
        // Below one displayed unit a value shows as 0; −1.5 rounds away from zero; 14.5° to even.
        {Record(U"Casi", 14.5, 5, -15, -5),
         U"Nombre,    Casi                          \r\n\r\nDefinición,    \r\n\r\n"
         U"Grados = 14\r\n\r\nRadio = 0\r\n\r\nX = -2\r\n\r\nY = 0"},
        {Record(U"Medio", 15.5, 5200, 9.99, -10),
         U"Nombre,    Medio                         \r\n\r\nDefinición,    \r\n\r\n"
         U"Grados = 16\r\n\r\nRadio = 520\r\n\r\nX = 0\r\n\r\nY = -1"},
    };
    for (const Case& c : cases) {
        const cp::ConceptRecord decoded = TableOf({c.record}).Read(1);
        EXPECT_EQ(cp::ToUtf8(rorev::DetailsCaption(decoded, cp::DescribeConcept(decoded))),
                  cp::ToUtf8(c.expected));
    }
}

}  // namespace
}  // namespace rorev_test
