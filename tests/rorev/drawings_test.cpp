// The plain pieces behind rorev's secondary windows: the levels drawing's radius window and the
// details caption's number formats.
#include <gtest/gtest.h>

#include "conceptplane/concept_description.h"
#include "core_builders.h"
#include "display_list_reading.h"
#include "rorev/details_caption.h"
#include "rorev/levels_drawing.h"

namespace rorev_test {
namespace {

using core_builders::Concept;
using core_builders::ConceptTableOf;

TEST(LevelsDrawing, PrintsOnlyTheRadiiStrictlyInsideThePairsWindow) {
    // For L = 194 the window is 96 < radius < 194.
    const cp::ConceptTable table = ConceptTableOf({
        {U"Abajo", 0, 96, 96, 0},       // L / 2 − 1: outside
        {U"Dentro", 0, 96.5, 96.5, 0},  // just inside
        {U"Borde", 90, 193, 0, 193},    // L − 1, the upper base level: printed
        {U"Fuera", 90, 194, 0, 194},    // L: outside
        {U"Vacio", 0, 0, 0, 0},         // a record with no numbers reads as 0
    });
    surface::DrawingSurface picture;
    picture.SetScale(0, 0, 11000, 11000);
    rorev::DrawLevels(picture, table, 194, 15);
    const auto texts = display_list::OfKind(picture, surface::PrimitiveKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(cp::TrimBlanks(texts[0].text), U"Dentro");
    // "Borde", 5 letters, at the outer circle straight up: scale 5198 / 193.
    EXPECT_EQ(cp::TrimBlanks(texts[1].text), U"Borde");
    EXPECT_NEAR(texts[1].a.x, 5500 - 30 * 5, 1e-9);
    EXPECT_NEAR(texts[1].a.y, 5500 - 5198, 1e-9);

    // Nothing pressed yet (L = 0): −1 < radius < 0 holds nothing; the black disk under the centre
    // label is drawn last, filled, and leaves the picture's fill transparent.
    rorev::DrawLevels(picture, table, 0, 0);
    EXPECT_TRUE(display_list::TextsIn(picture).empty());
    const surface::Primitive& disk = picture.List().back();
    EXPECT_EQ(disk.radius, 2000);
    EXPECT_EQ(disk.fillStyle, surface::kFillSolid);
    EXPECT_EQ(disk.colour, surface::kBlack);
    EXPECT_EQ(picture.FillStyle(), surface::kFillTransparent);
}

// Below one displayed unit a value shows as 0; −1.5 rounds away from zero; 14.5° to even.
TEST(DetailsCaption, SixParagraphsInDisplayedUnits) {
    const struct {
        Concept given;
        const char32_t* expected;
    } cases[] = {
        {{U"Fortaleza", 15, 5198, 5020.88, 1345.34},
         U"Nombre,    Fortaleza                     \r\n\r\nDefinición,    Concepto base del nivel 6\r\n\r\n"
         U"Grados = 15\r\n\r\nRadio = 520\r\n\r\nX = 502\r\n\r\nY = 135"},
        {{U"Casi", 14.5, 5, -15, -5},
         U"Nombre,    Casi                          \r\n\r\nDefinición,    \r\n\r\n"
         U"Grados = 14\r\n\r\nRadio = 0\r\n\r\nX = -2\r\n\r\nY = 0"},
        {{U"Medio", 15.5, 5200, 9.99, -10},
         U"Nombre,    Medio                         \r\n\r\nDefinición,    \r\n\r\n"
         U"Grados = 16\r\n\r\nRadio = 520\r\n\r\nX = 0\r\n\r\nY = -1"},
    };
    for (const auto& c : cases) {
        const cp::ConceptRecord record = ConceptTableOf({c.given}).Read(1);
        EXPECT_EQ(cp::ToUtf8(rorev::DetailsCaption(record, cp::DescribeConcept(record))),
                  cp::ToUtf8(c.expected));
    }
}

}  // namespace
}  // namespace rorev_test
