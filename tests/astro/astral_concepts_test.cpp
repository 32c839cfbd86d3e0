// ListAstralConcepts: the items, their 20-character names, the aspect sums and the state it leaves.
#include <gtest/gtest.h>

#include "core_builders.h"
#include "orvanel/astro/aspects.h"
#include "orvanel/vectors/astral_concepts.h"
#include "orvanel/vectors/chart_vectors.h"

using namespace orvanel;
using namespace core_builders;

TEST(AstralConcepts, OneItemPerPointAspectAndTheResultant) {
    const cp::ConceptTable concepts =
        ConceptTableOf({{U"Un nombre mucho más largo que veinte", 30, 1766}, {U"Breve", 252, 3100}});
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
    const std::pair<std::size_t, cp::Text> expected[] = {
        {0, U"Un nombre mucho más (El Sol en Aries)"},
        {1, U"Breve               (La Luna en Cáncer)"},
        {2, cp::Text(20, U' ') + U"(Mercurio en Aries)"},  // 360 is named Aries, like 0
        {12, U"Un nombre mucho más (Ascendente en Aries)"},
        {13, cp::Text(20, U' ') + U"(El Sol conjunción Mercurio)"},  // the aspects in their records' order
        {items.size() - 1, cp::Text(20, U' ') + U"(Vector suma)"}};
    for (const auto& [n, item] : expected)
        EXPECT_EQ(items[n], item) << n;
    // The result of the last aspect's sum remains, the operands' stored lengths are kept.
    EXPECT_EQ(ws.lastOperand.length, 7);
    const int last = slot.aspectCount;
    EXPECT_EQ(ws.resultTable[cp::kResultant].x,
              slot.vectorX[slot.aspectFirst[last]] + slot.vectorX[slot.aspectSecond[last]]);
}
