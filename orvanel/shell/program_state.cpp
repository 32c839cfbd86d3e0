// Checked access to the subject slots.
#include "program_state.h"

#include "conceptplane/faults.h"

namespace orvanel {

namespace {

void CheckSlot(std::int32_t s) {
    if (s < 0 || s >= kSlotCount) throw cp::Fault("Número de sujeto no válido");
}

}  // namespace

ChartSlot& SlotAt(Program& program, std::int32_t s) {
    CheckSlot(s);
    return program.ChartPositions[static_cast<std::size_t>(s)];
}

const ChartSlot& SlotAt(const Program& program, std::int32_t s) {
    CheckSlot(s);
    return program.ChartPositions[static_cast<std::size_t>(s)];
}

void AssignFixed(cp::Text& field, const cp::Text& value) {
    field = cp::Fixed(value, field.size());
}

}  // namespace orvanel
