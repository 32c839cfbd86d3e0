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

// Into a copy first, so that a fault anywhere leaves the program state as it was.
void ConfirmEntry(Program& program, EphemerisFiles& files, const EntryTexts& typed) {
    const auto m = MomentOf(program.EntryDate, typed.time);
    if (!m) throw cp::Fault(kInvalidDateMessage);
    Program trial = program;
    AssignFixed(trial.EphemerisBuffer,
                ComputeEphemeris(trial, files, m->year, m->month, m->day, m->hour, m->minute));
    RecomputeChart(trial);
    SlotAt(trial, trial.CurrentSubject).typed = typed;
    program = std::move(trial);
}

void EnterTyped(Program& program, EphemerisFiles& files, std::int16_t subject, const EntryTexts& typed) {
    BeginEntry(program, subject, TypedEntryDate(typed.year, typed.month, typed.day));
    ConfirmEntry(program, files, typed);
}

}  // namespace orvanel
