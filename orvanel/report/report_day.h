// The day a report says it was made on, and how a report writes a day. With SOURCE_DATE_EPOCH set
// (reproducible builds and tests) that moment stands for now, so that two runs give the same file.
#pragma once

#include <cstdint>
#include <optional>

#include "conceptplane/text.h"

namespace orvanel::report {

struct Day {
    int year = 0, month = 0, day = 0;
};

// SOURCE_DATE_EPOCH in seconds, when it is set to a whole number of seconds up to the end of 9999.
std::optional<std::int64_t> SourceDateEpoch();
// The UTC day of `seconds` since 1970.
Day UtcDay(std::int64_t seconds);
// The day of SOURCE_DATE_EPOCH when set, else today in local time.
Day ReportDay();
// "8 de diciembre de 2026".
cp::Text LongDate(const Day& day);

}  // namespace orvanel::report
