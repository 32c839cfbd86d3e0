// What orvanel-calc does in place of the date entry: a subject entered as a confirmed date entry
// computes it.
#pragma once

#include <cstdint>
#include <string>

#include "conceptplane/text.h"
#include "orvanel/astro/ephemeris_files.h"
#include "orvanel/shell/program_state.h"

namespace calc {

struct Moment {
    std::int16_t year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

// Five whole-number words from `first` on (year, month, day, hour, minute).
Moment ParseMoment(const std::vector<std::string>& words, std::size_t first);

// The texts of a moment typed with the year in four digits and month, day, hour and minute in two
// ("2001", "12", "05", "14.30").
orvanel::EntryTexts TypedTexts(const Moment& moment);

// The date entry of subject `slot` with those texts, confirmed: EntryDate, EntryDateText, the
// positions and the whole chart of the slot.
void EnterSubject(orvanel::Program& program, orvanel::EphemerisFiles& files, std::int16_t slot,
                  const Moment& moment);

}  // namespace calc
