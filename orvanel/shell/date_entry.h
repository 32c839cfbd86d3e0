// The date entry of a subject (the main menu's "Datos de la fecha"): a fixed sequence of prompts for
// the subject number, the date (or today's) and the clock time, a confirmation, and on "Sí" the
// positions and the whole chart of that moment in the subject's slot. Texts are taken as typed: a
// one-digit month or day shifts the fields that follow, as it always did.
#pragma once

#include <QDate>
#include <cstdint>
#include <optional>

#include "conceptplane/text.h"

namespace orvanel {

// The subject number typed at the first prompt: a number (blanks around it allowed, rounded halves
// to even) from 0 to 12. Anything else gives nothing.
std::optional<std::int16_t> SubjectNumber(const cp::Text& typed);

// EntryDate for today: the year as 2000 plus its two last digits, then the month and the day in two
// digits.
cp::Text TodayEntryDate(QDate today);
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

struct Session;

// The whole entry, through the program's dialogs. `today` stands for the system date. A cancelled
// first prompt ends it quietly; a subject number that is not one of 0..12, a field beyond 16 bits or a
// computing fault is told in a message box and changes no slot.
void EnterDate(Session& session, QDate today = QDate::currentDate());

}  // namespace orvanel
