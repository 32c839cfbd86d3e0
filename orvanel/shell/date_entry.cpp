// The prompts of the date entry; the confirmed entry is computed by ConfirmEntry.
#include "orvanel/shell/date_entry.h"

#include "conceptplane/numeric.h"
#include "orvanel/shell/entry_confirmation.h"
#include "orvanel/shell/fault_guard.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/session.h"
#include "surface/dialogs.h"

namespace orvanel {

namespace {

const QString kPromptTitle = QStringLiteral("Fecha de nacimiento del sujeto");
const QString kConfirmCaption = QStringLiteral("Fecha del sujeto");

cp::Text Ask(const char* prompt, const char* defaultText) {
    return FromQt(surface::UseDialogs().Prompt(QString::fromUtf8(prompt), kPromptTitle,
                                               QString::fromUtf8(defaultText)));
}

// Steps 2 to 4: today's date for "0" or "aaaa", else the month and the day as typed. Today's date is
// kept as the fields it gives, so that the entry repeated later gives that day, not another.
EntryTexts AskDate(QDate today) {
    const cp::Text year = Ask("introducir año ", "aaaa");
    if (year == U"0" || year == U"aaaa") {
        const cp::Text date = TodayEntryDate(today);
        return {cp::Mid(date, 1, 4), cp::Mid(date, 5, 2), cp::Mid(date, 7, 2), {}};
    }
    const cp::Text month = Ask("introducir mes ", "mm");
    const cp::Text day = Ask("introducir día ", "dd");
    return {year, month, day, {}};
}

}  // namespace

cp::Text TodayEntryDate(QDate today) {
    const int year = 2000 + today.year() % 100;
    return cp::FromInt(year) + cp::FormatZeros(today.month(), 2) + cp::FormatZeros(today.day(), 2);
}

void EnterDate(Session& session, QDate today) {
    const cp::Text number = Ask("Número del sujeto (1 ó 2)", "");
    if (cp::TrimBlanks(number).empty()) return;
    const auto subject = SubjectNumber(number);
    if (!subject) {
        surface::UseDialogs().Message(QStringLiteral("Número de sujeto no válido"), kPromptTitle,
                                      surface::Buttons::Ok);
        return;
    }
    Program& p = session.program;
    EntryTexts typed = AskDate(today);
    BeginEntry(p, *subject, TypedEntryDate(typed.year, typed.month, typed.day));
    const cp::Text hour = Ask("introducir hora ", "hh");
    const cp::Text minute = Ask("introducir minuto ", "mm");
    typed.time = hour + U"." + minute;

    const QString question = ToQt(ConfirmationText(p.EntryDate, typed.time));
    if (surface::UseDialogs().Message(question, kConfirmCaption, surface::Buttons::YesNo) !=
        surface::Answer::Yes)
        return;
    RunGuarded(kConfirmCaption, [&] { ConfirmEntry(p, session.ephemeris, typed); });
}

}  // namespace orvanel
