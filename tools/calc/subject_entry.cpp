// The date entry of orvanel-calc.
#include "subject_entry.h"

#include "calc_args.h"
#include "conceptplane/faults.h"
#include "conceptplane/numeric.h"
#include "orvanel/shell/entry_confirmation.h"

namespace calc {

namespace {

cp::Text Digits(std::int16_t value, int width) {
    return cp::FormatZeros(value, width);
}

}  // namespace

Moment ParseMoment(const std::vector<std::string>& words, std::size_t first) {
    return {ParseInt16(words.at(first), "year"), ParseInt16(words.at(first + 1), "month"),
            ParseInt16(words.at(first + 2), "day"), ParseInt16(words.at(first + 3), "hour"),
            ParseInt16(words.at(first + 4), "minute")};
}

orvanel::EntryTexts TypedTexts(const Moment& moment) {
    return {Digits(moment.year, 4), Digits(moment.month, 2), Digits(moment.day, 2),
            Digits(moment.hour, 2) + U"." + Digits(moment.minute, 2)};
}

void EnterSubject(orvanel::Program& program, orvanel::EphemerisFiles& files, std::int16_t slot,
                  const Moment& moment) {
    orvanel::EnterTyped(program, files, slot, TypedTexts(moment));
}

}  // namespace calc
