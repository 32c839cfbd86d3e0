// The prompts of the date entry and the computation on confirmation.
#include "orvanel/shell/date_entry.h"

#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris.h"
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

void Tell(const char* text, const QString& caption) {
    surface::UseDialogs().Message(QString::fromUtf8(text), caption, surface::Buttons::Ok);
}

// Steps 2 to 4: today's date for "0" or "aaaa", else the month and the day as typed.
cp::Text AskEntryDate(QDate today) {
    const cp::Text year = Ask("introducir año ", "aaaa");
    if (year == U"0" || year == U"aaaa") return TodayEntryDate(today);
    const cp::Text month = Ask("introducir mes ", "mm");
    const cp::Text day = Ask("introducir día ", "dd");
    return TypedEntryDate(year, month, day);
}

// The positions and the whole chart of the moment, into a copy first so that a fault anywhere
// leaves the program state as it was.
void ComputeEntry(Session& session, const EntryMoment& m, const cp::Text& time) {
    Program trial = session.program;
    trial.EntryTimeText = time;
    AssignFixed(trial.EphemerisBuffer,
                ComputeEphemeris(trial, session.ephemeris, m.year, m.month, m.day, m.hour, m.minute));
    RecomputeChart(trial);
    session.program = std::move(trial);
}

}  // namespace

void EnterDate(Session& session, QDate today) {
    const cp::Text typed = Ask("Número del sujeto (1 ó 2)", "");
    if (cp::TrimBlanks(typed).empty()) return;
    const auto subject = SubjectNumber(typed);
    if (!subject) return Tell("Número de sujeto no válido", kPromptTitle);

    Program& p = session.program;
    p.CurrentSubject = *subject;
    AssignFixed(p.EntryDate, AskEntryDate(today));
    AssignFixed(p.EntryDateText, EntryDateTextOf(p.EntryDate));
    const cp::Text hour = Ask("introducir hora ", "hh");
    const cp::Text minute = Ask("introducir minuto ", "mm");
    const cp::Text time = hour + U"." + minute;

    const QString question = ToQt(ConfirmationText(p.EntryDate, time));
    if (surface::UseDialogs().Message(question, kConfirmCaption, surface::Buttons::YesNo) !=
        surface::Answer::Yes)
        return;
    const auto moment = MomentOf(p.EntryDate, time);
    if (!moment) return Tell("Fecha no válida", kConfirmCaption);
    RunGuarded(kConfirmCaption, [&] { ComputeEntry(session, *moment, time); });
}

}  // namespace orvanel
