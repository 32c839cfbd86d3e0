// The state a date entry sets and the computation of a confirmed one.
#include "orvanel/shell/entry_confirmation.h"

#include "conceptplane/faults.h"
#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/cycles/central_date.h"
#include "orvanel/shell/entry_texts.h"

namespace orvanel {

void BeginEntry(Program& program, std::int16_t subject, const cp::Text& entryDate) {
    program.CurrentSubject = subject;
    AssignFixed(program.EntryDate, entryDate);
    AssignFixed(program.EntryDateText, EntryDateTextOf(program.EntryDate));
}

// A fault anywhere leaves the program state as it was: RecomputeChart stores nothing when it fails,
// and the two buffers set before it are put back. (A copy of the whole state would cost more than
// the chart itself.)
void ConfirmEntry(Program& program, EphemerisFiles& files, const EntryTexts& typed) {
    const auto m = MomentOf(program.EntryDate, typed.time);
    if (!m) throw cp::Fault(kInvalidDateMessage);
    const cp::Text ephemeris = program.EphemerisBuffer;
    const cp::Text ascendant = program.AscendantBuffer;
    try {
        AssignFixed(program.EphemerisBuffer,
                    ComputeEphemeris(program, files, m->year, m->month, m->day, m->hour, m->minute));
        RecomputeChart(program);
    } catch (...) {
        program.EphemerisBuffer = ephemeris;
        program.AscendantBuffer = ascendant;
        throw;
    }
    ChartSlot& slot = SlotAt(program, program.CurrentSubject);
    slot.typed = typed;
    slot.registerName.clear();  // another subject, or one typed anew, is no longer the saved one
}

void EnterTyped(Program& program, EphemerisFiles& files, std::int16_t subject, const EntryTexts& typed) {
    BeginEntry(program, subject, TypedEntryDate(typed.year, typed.month, typed.day));
    ConfirmEntry(program, files, typed);
}

}  // namespace orvanel
