// The two halves of a date entry that every way of entering a subject shares (the prompts, a subject
// loaded from the register, orvanel-calc): what is set before the question "fecha correcta?", and
// what "Sí" computes. Loading a subject is an entry confirmed at once, so it changes the same state.
#pragma once

#include <cstdint>

#include "orvanel/astro/chart_positions.h"
#include "orvanel/astro/ephemeris_files.h"
#include "orvanel/shell/program_state.h"

namespace orvanel {

// CurrentSubject, EntryDate and EntryDateText, as the entry sets them before asking; they stay set
// whatever the answer.
void BeginEntry(Program& program, std::int16_t subject, const cp::Text& entryDate);

// "Sí": the moment read from EntryDate and the time text, its positions and the whole chart in slot
// CurrentSubject, which keeps `typed`. A field beyond 16 bits throws cp::Fault("Fecha no válida"), a
// computing fault its own cp::Fault; either way nothing further changes.
void ConfirmEntry(Program& program, EphemerisFiles& files, const EntryTexts& typed);

// An entry of slot `subject` with these texts, confirmed at once.
void EnterTyped(Program& program, EphemerisFiles& files, std::int16_t subject, const EntryTexts& typed);

}  // namespace orvanel
