// Reading the central date.
#include "central_date.h"

#include "conceptplane/faults.h"
#include "conceptplane/numeric.h"

namespace orvanel {

namespace {

std::int16_t Field(const cp::Text& entryDate, std::size_t start, std::size_t length) {
    const auto value = cp::TryInt16(cp::NumericValue(cp::Mid(entryDate, start, length)));
    if (!value) throw cp::Fault(kInvalidDateMessage);
    return *value;
}

}  // namespace

CalendarDate CentralDateOf(const cp::Text& entryDate) {
    return {Field(entryDate, 1, 4), Field(entryDate, 5, 2), Field(entryDate, 7, 2)};
}

}  // namespace orvanel
