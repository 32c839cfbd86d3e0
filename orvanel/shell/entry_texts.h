// The texts and numbers of a date entry, apart from its dialogs: the subject number, EntryDate and
// EntryDateText from the texts typed, the confirmation question, and the moment read back from the
// fields. Texts are taken as typed: a one-digit month or day shifts the fields that follow.
#pragma once

#include <cstdint>
#include <optional>

#include "conceptplane/text.h"

namespace orvanel {

// The subject number typed at the first prompt: a number (blanks around it allowed, rounded halves
// to even) from 0 to 12. Anything else gives nothing.
std::optional<std::int16_t> SubjectNumber(const cp::Text& typed);

// EntryDate from the three texts as typed, joined and fitted to 8 characters.
cp::Text TypedEntryDate(const cp::Text& year, const cp::Text& month, const cp::Text& day);
// "dd / mm / yyyy" from the fields of EntryDate, fitted to 20 characters.
cp::Text EntryDateTextOf(const cp::Text& entryDate);
// "05 / 12 / 2001 a las 14h.30m. fecha correcta?"
cp::Text ConfirmationText(const cp::Text& entryDate, const cp::Text& timeText);

// The five numbers of a confirmed entry, read from their fields by the numeric-value rule.
struct EntryMoment {
    std::int16_t year = 0, month = 0, day = 0, hour = 0, minute = 0;
    friend bool operator==(const EntryMoment&, const EntryMoment&) = default;
};
// Nothing when a field's value does not fit 16 bits.
std::optional<EntryMoment> MomentOf(const cp::Text& entryDate, const cp::Text& timeText);

}  // namespace orvanel
