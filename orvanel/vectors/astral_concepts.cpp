// The astral-concepts list.
#include "astral_concepts.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "orvanel/shell/tables.h"
#include "orvanel/vectors/nearest_concept.h"

namespace orvanel {

namespace {

constexpr std::size_t kNameWidth = 20;
constexpr std::size_t kResultant = 14;

cp::Text NameNear(const cp::ConceptTable& concepts, double angle, double radius) {
    const std::int32_t n = NearestConceptRecord(concepts, angle, radius);
    return cp::Fixed(n != 0 ? concepts.Read(n).name : cp::Text(), kNameWidth);
}

// A name followed by the parts, made in one piece.
cp::Text Item(cp::Text name, std::initializer_list<std::u32string_view> parts) {
    std::size_t size = name.size();
    for (const auto part : parts)
        size += part.size();
    name.reserve(size);
    for (const auto part : parts)
        name += part;
    return name;
}

cp::Text PointItem(const cp::ConceptTable& concepts, const ChartSlot& slot, std::size_t k) {
    const auto point = static_cast<std::int32_t>(k);
    return Item(NameNear(concepts, slot.vectorAngle[k], slot.vectorRadius[k]),
                {U"(", NameViewAt(PlanetNames, point), U" en ",
                 NameViewAt(SignNames, SignOfLongitude(slot.longitude[k])), U")"});
}

cp::Text AspectItem(const cp::ConceptTable& concepts, const ChartSlot& slot, std::size_t n,
                    cp::VectorWorkspace& workspace) {
    const std::int32_t p = slot.aspectFirst[n], q = slot.aspectSecond[n];
    const PointArray& x = slot.vectorX;
    const PointArray& y = slot.vectorY;
    // The operands' stored lengths are left as an earlier operation set them.
    workspace.lastOperand.x = x.at(static_cast<std::size_t>(p));
    workspace.lastOperand.y = y.at(static_cast<std::size_t>(p));
    workspace.accumulatedOperand.x = x.at(static_cast<std::size_t>(q));
    workspace.accumulatedOperand.y = y.at(static_cast<std::size_t>(q));
    workspace.ComputeResultant();
    const cp::ResultRow& sum = workspace.resultTable[cp::kResultant];
    return Item(NameNear(concepts, sum.angle, sum.length),
                {U"(", NameViewAt(PlanetNames, p), U" ", NameViewAt(AspectNames, slot.aspectKind[n] - 1),
                 U" ", NameViewAt(PlanetNames, q), U")"});
}

}  // namespace

std::int32_t SignOfLongitude(std::int32_t longitude) {
    const auto sign = static_cast<std::int32_t>(std::floor(longitude / 30.0)) + 1;
    return sign == 13 ? 1 : sign;
}

std::vector<cp::Text> ListAstralConcepts(Program& program, const cp::ConceptTable& concepts,
                                         cp::VectorWorkspace& workspace) {
    const std::int16_t s = program.CurrentSubject > 2 ? program.SynastryBase : program.CurrentSubject;
    const ChartSlot& slot = SlotAt(program, s);
    cp::VectorWorkspace next = workspace;
    std::vector<cp::Text> items;
    items.reserve(14 + static_cast<std::size_t>(std::max<int>(slot.aspectCount, 0)));
    for (std::size_t k = 1; k <= 13; ++k)
        items.push_back(PointItem(concepts, slot, k));
    for (std::size_t n = 1; n <= static_cast<std::size_t>(slot.aspectCount); ++n) {
        items.push_back(AspectItem(concepts, slot, n, next));
    }
    items.push_back(Item(NameNear(concepts, slot.vectorAngle[kResultant], slot.vectorRadius[kResultant]),
                         {U"(Vector suma)"}));
    next.lastOperand.x = next.lastOperand.y = 0;
    next.accumulatedOperand.x = next.accumulatedOperand.y = 0;
    program.CurrentSubject = s;
    workspace = next;
    return items;
}

}  // namespace orvanel
