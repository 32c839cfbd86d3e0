// Typed texts that are no dates, at every prompt of the date entry and of the cycles window's central
// date: each is read as typed (fields cut first, then the numeric-value rule), computed when its
// fields fit 16 bits, refused with "Fecha no válida" when one does not; a refusal changes nothing
// and the program goes on.
#include <QAction>
#include <optional>
#include <tuple>

#include "orvanel/astro/ephemeris.h"
#include "orvanel/cycles/form9_cycles.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form_controls.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

// The prompts of the date entry after the subject number; kAll stands for all five.
enum Field { kYear = 1, kMonth, kDay, kHour, kMinute, kAll };

class TypedTextFaults : public WindowTest {
  protected:
    // Subject 1 as typed with `text` at prompt `field` (0 the subject number), then "Sí".
    void EnterWith(int field, const char* text) {
        Typed typed = kFirstSubject;
        QString* fields[] = {&typed.subject, &typed.year, &typed.month,
                             &typed.day,     &typed.hour, &typed.minute};
        for (int i = field == kAll ? kYear : field; i <= (field == kAll ? kMinute : field); ++i)
            *fields[i] = QString::fromUtf8(text);
        EnterSubject(typed);
    }
    void ExpectRunning() {
        EXPECT_EQ(ended_, 0);
        EXPECT_FALSE(dialogs_.Failed());
        EXPECT_EQ(dialogs_.Pending(), 0);
    }
};

TEST_F(TypedTextFaults, DateEntryFields) {
    // The prompt, the text typed there, the moment computed (nothing: refused) and the slot it goes to.
    const std::tuple<int, const char*, std::optional<EntryMoment>, int> rows[] = {
        {0, " 7 ", EntryMoment{2001, 12, 5, 14, 30}, 7},  // blanks around a subject number
        {kYear, "", EntryMoment{1205, 0, 0, 14, 30}, 1},  // "1205    ": month and day move into the year
        {kYear, "abc", EntryMoment{0, 20, 5, 14, 30}, 1},
        {kYear, "99999", EntryMoment{9999, 91, 20, 14, 30}, 1},
        {kYear, "-40000", EntryMoment{-400, 0, 12, 14, 30}, 1},
        {kYear, "1e9", std::nullopt, 1},                    // year field "1e91"
        {kYear, " 7 ", EntryMoment{71, 20, 5, 14, 30}, 1},  // " 7 1": blanks are skipped inside a number
        {kMonth, "", EntryMoment{2001, 5, 0, 14, 30}, 1},
        {kMonth, "13", EntryMoment{2001, 13, 5, 14, 30}, 1},
        {kMonth, "1e9", EntryMoment{2001, 1, 90, 14, 30}, 1},
        {kMonth, "-40000", EntryMoment{2001, -4, 0, 14, 30}, 1},
        {kDay, "40", EntryMoment{2001, 12, 40, 14, 30}, 1},
        {kHour, "30", EntryMoment{2001, 12, 5, 30, 30}, 1},
        {kHour, "", EntryMoment{2001, 12, 5, 0, 0}, 1},  // ".30": hour ".3", minute nothing
        {kHour, " 7 ", EntryMoment{2001, 12, 5, 7, 0}, 1},
        {kMinute, "1e9", EntryMoment{2001, 12, 5, 14, 1}, 1},
        {kAll, "", EntryMoment{0, 0, 0, 0, 0}, 1},  // every prompt cancelled
    };
    for (const auto& [field, text, moment, slot] : rows) {
        SCOPED_TRACE(std::to_string(field) + " \"" + text + "\"");
        Program expected = State();
        const std::size_t asked = dialogs_.Asked().size();
        EnterWith(field, text);
        if (!moment) {
            EXPECT_EQ(Transcript(asked + 7),
                      QStringList(QString::fromUtf8("Fecha del sujeto: Fecha no válida")));
            EXPECT_EQ(State().EphemerisBuffer, expected.EphemerisBuffer);
        } else {
            ASSERT_EQ(dialogs_.Asked().size(), asked + 7) << dialogs_.Asked().back().text.toStdString();
            const EntryMoment& m = *moment;
            SlotAt(expected, slot).ephemerisText =
                ComputeEphemeris(expected, session_->ephemeris, m.year, m.month, m.day, m.hour, m.minute);
        }
        for (int s = 1; s < kSlotCount; ++s)
            EXPECT_EQ(Slot(s).ephemerisText, SlotAt(expected, s).ephemerisText) << s;
        ExpectRunning();
    }
}

TEST_F(TypedTextFaults, CentralDateOfTheCyclesWindow) {
    EnterSubject(kFirstSubject);
    windows_->ShowMainMenu(WindowId::Splash);
    windows_->Open(WindowId::Cycles, WindowId::MainMenu);
    Form9Cycles& form = windows_->Get<Form9Cycles>(WindowId::Cycles);
    // The three texts typed and the central date they give (nullptr: refused).
    const std::tuple<const char*, const char*, const char*, const char32_t*> rows[] = {
        {"", "03", "01", U"0301    "},         {"abc", "03", "01", U"abc0301 "},
        {"99999", "03", "01", U"99999030"},    {"-40000", "03", "01", U"-4000003"},
        {"1e9", "03", "01", nullptr},          {" 7 ", "03", "01", U" 7 0301 "},
        {"2020", "13", "40", U"20201340"},     {"2020", "1e9", "01", U"20201e90"},
        {"2020", "03", "-40000", U"202003-4"}, {"", "", "", U"        "},  // all three cancelled
    };
    for (const auto& [year, month, day, entryDate] : rows) {
        SCOPED_TRACE(std::string(year) + "|" + month + "|" + day);
        const cp::Text before = State().EntryDate;
        const std::size_t asked = dialogs_.Asked().size();
        for (const char* text : {year, month, day})
            dialogs_.PushText(QString::fromUtf8(text));
        Choose(form, "mnuFecha");
        if (!entryDate) {
            EXPECT_EQ(Transcript(asked + 3),
                      QStringList(QString::fromUtf8("Fecha central: Fecha no válida")));
            EXPECT_EQ(State().EntryDate, before);
            continue;
        }
        EXPECT_EQ(State().EntryDate, entryDate);
        // The plot and the report around that date are computed without a message.
        Choose(form, "mnuLunavenus");
        Choose(form, "mnuCoincidencias");
        EXPECT_EQ(dialogs_.Asked().size(), asked + 3) << dialogs_.Asked().back().text.toStdString();
    }
    ExpectRunning();
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
}  // namespace orvanel::testing
