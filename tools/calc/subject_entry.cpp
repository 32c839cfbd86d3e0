// The date entry of orvanel-calc.
#include "subject_entry.h"

#include "calc_args.h"
#include "conceptplane/faults.h"
#include "conceptplane/numeric.h"
#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/cycles/central_date.h"

namespace calc {

namespace {

cp::Text Digits(std::int16_t value, int width) {
    return cp::FormatZeros(value, width);
}

std::int16_t FieldValue(const cp::Text& text, std::size_t start, std::size_t length) {
    const auto value = cp::TryInt16(cp::NumericValue(cp::Mid(text, start, length)));
    if (!value) throw cp::Fault(orvanel::kInvalidDateMessage);
    return *value;
}

}  // namespace

Moment ParseMoment(const std::vector<std::string>& words, std::size_t first) {
    return {ParseInt16(words.at(first), "year"), ParseInt16(words.at(first + 1), "month"),
            ParseInt16(words.at(first + 2), "day"), ParseInt16(words.at(first + 3), "hour"),
            ParseInt16(words.at(first + 4), "minute")};
}

cp::Text TypedDate(std::int16_t year, std::int16_t month, std::int16_t day) {
    return cp::Fixed(Digits(year, 4) + Digits(month, 2) + Digits(day, 2), 8);
}

void EnterSubject(orvanel::Program& program, orvanel::EphemerisFiles& files, std::int16_t slot,
                  const Moment& moment) {
    orvanel::Program next = program;
    next.CurrentSubject = slot;
    orvanel::AssignFixed(next.EntryDate, TypedDate(moment.year, moment.month, moment.day));
    const cp::Text& date = next.EntryDate;
    orvanel::AssignFixed(next.EntryDateText,
                         cp::Mid(date, 7, 2) + U" / " + cp::Mid(date, 5, 2) + U" / " + cp::Mid(date, 1, 4));
    // The time text is the hour text, ".", the minute text; the fields are read back from it.
    const cp::Text time = Digits(moment.hour, 2) + U"." + Digits(moment.minute, 2);
    next.EntryTimeText = time;
    const cp::Text positions =
        orvanel::ComputeEphemeris(next, files, FieldValue(date, 1, 4), FieldValue(date, 5, 2),
                                  FieldValue(date, 7, 2), FieldValue(time, 1, 2), FieldValue(time, 4, 2));
    orvanel::AssignFixed(next.EphemerisBuffer, positions);
    orvanel::RecomputeChart(next);
    program = std::move(next);
}

}  // namespace calc
