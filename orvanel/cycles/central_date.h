// The central date of the cycles window, read from EntryDate (yyyymmdd) as the cycle plots and the
// coincidence report read it: each field by the numeric-value rule, so blanks or letters give 0.
#pragma once

#include <cstdint>

#include "conceptplane/text.h"

namespace orvanel {

struct CalendarDate {
    std::int16_t year = 0, month = 0, day = 0;
};

inline constexpr char kInvalidDateMessage[] = "Fecha no válida";
inline constexpr char kCentralDateCaption[] = "Fecha central";

// Characters 1-4, 5-6 and 7-8 of `entryDate`. A field whose value does not fit 16 bits throws
// cp::Fault(kInvalidDateMessage).
CalendarDate CentralDateOf(const cp::Text& entryDate);

}  // namespace orvanel
