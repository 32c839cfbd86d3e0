// The astral-concepts list.
#include "astral_concepts.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numeric>
#include <string_view>

#include "orvanel/shell/tables.h"
#include "orvanel/vectors/nearest_concept.h"

namespace orvanel {

namespace {

constexpr std::size_t kNameWidth = 20;
constexpr std::size_t kResultant = 14;

AstralConcept AspectEntry(const cp::ConceptTable& concepts, const ChartSlot& slot, std::size_t n,
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
    return {AstralConcept::Of::Aspect, p, slot.aspectKind[n], q,
            NearestRecord(concepts, sum.angle, sum.length)};
}

// The name fitted to 20 characters followed by the parts, made in one piece.
cp::Text Item(const cp::Text& name, std::initializer_list<std::u32string_view> parts) {
    cp::Text item;
    item.reserve(
        std::accumulate(parts.begin(), parts.end(), kNameWidth,
                        [](std::size_t size, std::u32string_view part) { return size + part.size(); }));
    item.assign(name, 0, kNameWidth);
    item.resize(kNameWidth, U' ');
    for (const auto part : parts)
        item += part;
    return item;
}

cp::Text ItemText(const AstralConcept& c, const ChartSlot& slot, const cp::ConceptTable& concepts) {
    const cp::Text& name = RecordName(concepts, c.record);
    switch (c.of) {
        case AstralConcept::Of::Point:
            return Item(name, {U"(", NameViewAt(PlanetNames, c.point), U" en ",
                               NameViewAt(SignNames,
                                          SignOfLongitude(slot.longitude[static_cast<std::size_t>(c.point)])),
                               U")"});
        case AstralConcept::Of::Aspect:
            return Item(name,
                        {U"(", NameViewAt(PlanetNames, c.point), U" ", NameViewAt(AspectNames, c.kind - 1),
                         U" ", NameViewAt(PlanetNames, c.second), U")"});
        case AstralConcept::Of::Resultant:
            break;
    }
    return Item(name, {U"(Vector suma)"});
}

}  // namespace

std::int32_t SignOfLongitude(std::int32_t longitude) {
    const auto sign = static_cast<std::int32_t>(std::floor(longitude / 30.0)) + 1;
    return sign == 13 ? 1 : sign;
}

std::vector<AstralConcept> AstralConceptsOf(const ChartSlot& slot, const cp::ConceptTable& concepts,
                                            cp::VectorWorkspace& workspace) {
    std::vector<AstralConcept> entries;
    entries.reserve(14 + static_cast<std::size_t>(std::max<int>(slot.aspectCount, 0)));
    for (std::size_t k = 1; k <= 13; ++k) {
        entries.push_back({AstralConcept::Of::Point, static_cast<std::int32_t>(k), 0, 0,
                           NearestRecord(concepts, slot.vectorAngle[k], slot.vectorRadius[k])});
    }
    for (std::size_t n = 1; n <= static_cast<std::size_t>(slot.aspectCount); ++n)
        entries.push_back(AspectEntry(concepts, slot, n, workspace));
    entries.push_back({AstralConcept::Of::Resultant, 0, 0, 0,
                       NearestRecord(concepts, slot.vectorAngle[kResultant], slot.vectorRadius[kResultant])});
    return entries;
}

std::vector<cp::Text> ListAstralConcepts(Program& program, const cp::ConceptTable& concepts,
                                         cp::VectorWorkspace& workspace) {
    const std::int16_t s = program.CurrentSubject > 2 ? program.SynastryBase : program.CurrentSubject;
    const ChartSlot& slot = SlotAt(program, s);
    cp::VectorWorkspace next = workspace;
    const std::vector<AstralConcept> entries = AstralConceptsOf(slot, concepts, next);
    std::vector<cp::Text> items(entries.size());
    std::transform(entries.begin(), entries.end(), items.begin(),
                   [&](const AstralConcept& c) { return ItemText(c, slot, concepts); });
    next.lastOperand.x = next.lastOperand.y = 0;
    next.accumulatedOperand.x = next.accumulatedOperand.y = 0;
    program.CurrentSubject = s;
    workspace = next;
    return items;
}

}  // namespace orvanel
