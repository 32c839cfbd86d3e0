// The cross-aspect list by name and its heading, and the "Aspectos cruzados" step on the program.
#include "orvanel/display/cross_aspect_texts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "conceptplane/faults.h"
#include "orvanel/shell/tables.h"

namespace {

cp::Text U8(const char* s) {
    return cp::FromUtf8(s);
}

TEST(CrossAspectTexts, ItemColumnsAndGroups) {
    orvanel::ChartSlot cross;
    const struct {
        std::int16_t kind, first, second;
    } aspects[] = {{4, 12, 2}, {1, 1, 6}, {2, 6, 10}, {1, 2, 2}, {5, 11, 4}};
    for (const auto& a : aspects) {
        const auto n = static_cast<std::size_t>(++cross.aspectCount);
        cross.aspectKind[n] = a.kind;
        cross.aspectFirst[n] = a.first;
        cross.aspectSecond[n] = a.second;
    }
    const std::vector<cp::Text> expected = {
        U8("El Sol      en conjunción con    Júpiter"),
        U8("La Luna     en conjunción con    La Luna"),
        U8(""),
        U8("Júpiter     en oposición  con    Plutón"),
        U8(""),
        U8(""),
        U8("Nodo Lunar  en cuadratura con    La Luna"),
        U8(""),
        U8("Lilith      en sextil     con    Venus"),
        U8(""),
    };
    EXPECT_EQ(orvanel::CrossAspectItems(cross), expected);
    EXPECT_EQ(orvanel::CrossAspectItems(orvanel::ChartSlot()), std::vector<cp::Text>(5));
}

TEST(CrossAspectTexts, HeadingPadsBothTitles) {
    EXPECT_EQ(orvanel::CrossAspectHeading(U8("05 / 12 / 2001"), U8("03 / 07 / 1965")),
              U8(" 05 / 12 / 2001") + cp::Text(10, U' ') + U8("03 / 07 / 1965"));
    EXPECT_EQ(orvanel::CrossAspectHeading(U8("a"), U8("b")), U" a" + cp::Text(14 + 8 + 14, U' ') + U"b");
    EXPECT_EQ(orvanel::CrossAspectHeading(U8("0123456789abcdefg"), U8("x")),
              U8(" 0123456789abcdefg") + cp::Text(8 + 14, U' ') + U"x")
        << "a longer title is written whole";
    EXPECT_EQ(orvanel::CrossAspectHeading(U8(""), U8("")), cp::Text(1 + 15 + 8 + 15, U' '));
}

orvanel::Program TwoSubjects() {
    orvanel::Program program;
    for (std::size_t s = 1; s <= 2; ++s) {
        auto& slot = program.ChartPositions[s];
        slot.title = s == 1 ? U8("uno") : U8("dos");
        // Ten degrees apart: no two different points of a subject form a conjunction.
        for (std::size_t k = 1; k <= 12; ++k)
            slot.longitude[k] = static_cast<std::int32_t>(10 * k);
    }
    return program;
}

TEST(CrossAspectTexts, ListingComputesSlotThreeAndRestoresTheSubject) {
    orvanel::Program program = TwoSubjects();
    program.ChartPositions[2].longitude[1] = 200;  // subject 2's Sun opposite subject 1's Sun
    program.CurrentSubject = 2;
    const orvanel::CrossAspectList list = orvanel::ListCrossAspects(program);
    EXPECT_EQ(program.SynastryBase, 2);
    EXPECT_EQ(program.CurrentSubject, 2);
    EXPECT_EQ(list.heading, U" dos" + cp::Text(12 + 8 + 12, U' ') + U"uno");
    EXPECT_EQ(list.items, orvanel::CrossAspectItems(program.ChartPositions[3]));
    ASSERT_GE(list.items.size(), 12u);
    EXPECT_EQ(list.items[0], U8("La Luna     en conjunción con    La Luna")) << "subject 2's Sun moved away";
    EXPECT_NE(std::find(list.items.begin(), list.items.end(), U8("El Sol      en oposición  con    La Luna")),
              list.items.end())
        << "first names are subject 2's points: its Sun at 200 against subject 1's Moon at 20";
}

TEST(CrossAspectTexts, IdenticalSubjectsGiveEverySelfConjunction) {
    orvanel::Program program = TwoSubjects();
    program.CurrentSubject = 1;
    const auto items = orvanel::ListCrossAspects(program).items;
    for (std::size_t k = 1; k <= 12; ++k) {
        const cp::Text name(orvanel::PlanetNames[k]);
        EXPECT_EQ(items[k - 1], cp::Fixed(name, 11) + U" en conjunción con    " + name);
    }
    EXPECT_EQ(items[12], U"");
}

TEST(CrossAspectTexts, NoSubjectOutsideOneAndTwo) {
    for (const int subject : {0, 3, 12, -1}) {
        orvanel::Program program = TwoSubjects();
        program.CurrentSubject = static_cast<std::int16_t>(subject);
        program.SynastryBase = 7;
        EXPECT_THROW(orvanel::ListCrossAspects(program), cp::Fault) << subject;
        EXPECT_EQ(program.SynastryBase, 7);
        EXPECT_EQ(program.ChartPositions[3].aspectCount, 0);
    }
}

}  // namespace
