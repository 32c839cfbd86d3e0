// The date entry of a subject (the main menu's "Datos de la fecha"): a fixed sequence of prompts for
// the subject number, the date (or today's) and the clock time, a confirmation, and on "Sí" the
// positions and the whole chart of that moment in the subject's slot.
#pragma once

#include <QDate>

#include "orvanel/shell/entry_texts.h"

namespace orvanel {

// EntryDate for today: the year as 2000 plus its two last digits, then the month and the day in two
// digits.
cp::Text TodayEntryDate(QDate today);

struct Session;

// The whole entry, through the program's dialogs. `today` stands for the system date. A cancelled
// first prompt ends it quietly; a subject number that is not one of 0..12, a field beyond 16 bits or a
// computing fault is told in a message box and changes no slot.
void EnterDate(Session& session, QDate today = QDate::currentDate());

}  // namespace orvanel
