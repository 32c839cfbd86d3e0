// Texts and steps of the cross-aspect list.
#include "cross_aspect_texts.h"

#include "chart_texts.h"
#include "conceptplane/faults.h"
#include "orvanel/astro/aspects.h"
#include "orvanel/shell/tables.h"

namespace orvanel {

namespace {

// Padded with blanks on the right to `length`; a longer text stays whole.
cp::Text PadRight(const cp::Text& text, std::size_t length) {
    return text.size() >= length ? text : cp::Fixed(text, length);
}

constexpr std::int16_t kCrossSlot = 3;

}  // namespace

cp::Text CrossAspectHeading(const cp::Text& firstTitle, const cp::Text& secondTitle) {
    return U" " + PadRight(firstTitle, 15) + cp::Text(8, U' ') + cp::PadLeft(secondTitle, 15);
}

std::vector<cp::Text> CrossAspectItems(const ChartSlot& crossSlot) {
    std::vector<cp::Text> items;
    const int count = UsableAspectCount(crossSlot);
    for (std::int16_t kind = kConjunction; kind <= kSextile; ++kind) {
        for (int n = 1; n <= count; ++n) {
            const auto index = static_cast<std::size_t>(n);
            if (crossSlot.aspectKind[index] != kind) continue;
            items.push_back(PadRight(NameAt(PlanetNames, crossSlot.aspectFirst[index]), 11) + U" en " +
                            PadRight(NameAt(AspectNames, kind - 1), 10) + U" con    " +
                            NameAt(PlanetNames, crossSlot.aspectSecond[index]));
        }
        items.emplace_back();
    }
    return items;
}

CrossAspectList ListCrossAspects(Program& program) {
    const std::int16_t base = program.CurrentSubject;
    if (base != 1 && base != 2) throw cp::Fault("Número de sujeto no válido");
    Program next = program;
    next.SynastryBase = base;
    CrossAspectList list;
    list.heading = CrossAspectHeading(SlotAt(next, base).title, SlotAt(next, 3 - base).title);
    next.CurrentSubject = kCrossSlot;
    FindAspects(next);
    list.items = CrossAspectItems(SlotAt(next, kCrossSlot));
    next.CurrentSubject = base;
    program = std::move(next);
    return list;
}

}  // namespace orvanel
