// ListAstralConcepts: the items, their 20-character names, the aspect sums and the state it leaves.
#include <gtest/gtest.h>

#include "astro_fixtures.h"
#include "orvanel/astro/aspects.h"
#include "orvanel/vectors/astral_concepts.h"
#include "orvanel/vectors/chart_vectors.h"

using namespace orvanel;
using namespace astro_test;

TEST(AstralConcepts, OneItemPerPointAspectAndTheResultant) {
    const cp::ConceptTable concepts = ConceptTableOf({
        {U"Un nombre mucho más largo que veinte", 30, 1766},
        {U"Breve", 252, 3100},
    });
    Program p;
    p.CurrentSubject = 1;
    ChartSlot& slot = p.ChartPositions[1];
    slot.ephemerisText = PositionsText({0, 100, 360, 30, 60, 90, 120, 150, 180, 210, 240, 270});
    ComputeChartVectors(slot);
    FindAspects(p);
    cp::VectorWorkspace ws(cp::Arithmetic::Orvanel);
    ws.lastOperand.length = 7;
    const std::vector<cp::Text> items = ListAstralConcepts(p, concepts, ws);
    ASSERT_EQ(items.size(), 14u + static_cast<std::size_t>(slot.aspectCount));
    EXPECT_EQ(items[0], U"Un nombre mucho más (El Sol en Aries)");
    EXPECT_EQ(items[1], U"Breve               (La Luna en Cáncer)");
    EXPECT_EQ(items[2], cp::Text(20, U' ') + U"(Mercurio en Aries)") << "360 is named Aries, like 0";
    EXPECT_EQ(items[12].substr(20), U"(Ascendente en Aries)");
    EXPECT_EQ(items.back().substr(20), U"(Vector suma)");
    for (const cp::Text& item : items)
        EXPECT_EQ(item[20], U'(');
    // The aspect items in the order of the aspect records.
    ASSERT_GT(slot.aspectCount, 0);
    EXPECT_EQ(items[13].substr(20), U"(El Sol conjunción Mercurio)");
    // Operands emptied, their stored lengths kept; the result of the last aspect's sum remains.
    EXPECT_EQ(ws.lastOperand.x, 0);
    EXPECT_EQ(ws.accumulatedOperand.y, 0);
    EXPECT_EQ(ws.lastOperand.length, 7);
    const int last = slot.aspectCount;
    EXPECT_EQ(ws.resultTable[cp::kResultant].x,
              slot.vectorX[slot.aspectFirst[last]] + slot.vectorX[slot.aspectSecond[last]]);
}

TEST(AstralConcepts, NoAspectsAndTheSubjectFix) {
    Program p;  // slot 2 never computed, slot 3 a synastry
    p.CurrentSubject = 3;
    p.SynastryBase = 2;
    cp::VectorWorkspace ws(cp::Arithmetic::Orvanel);
    const std::vector<cp::Text> items = ListAstralConcepts(p, cp::ConceptTable::FromBytes(""), ws);
    EXPECT_EQ(p.CurrentSubject, 2);
    ASSERT_EQ(items.size(), 14u);
    EXPECT_EQ(items[0], cp::Text(20, U' ') + U"(El Sol en Aries)");
    EXPECT_EQ(items[13], cp::Text(20, U' ') + U"(Vector suma)");
}
