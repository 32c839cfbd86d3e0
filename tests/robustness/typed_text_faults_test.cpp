// Typed texts that are no dates, at every prompt of the date entry and of the cycles window's central
// date: each is read as typed (fields cut first, then the numeric-value rule), computed when its
// fields fit 16 bits, refused with "Fecha no válida" when one does not; a refusal changes nothing
// and the program goes on.
#include <QAction>
#include <optional>
#include <tuple>

#include "orvanel/astro/ephemeris.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form_controls.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

class TypedTextFaults : public WindowTest {
  protected:
    void ExpectRunning() {
        EXPECT_EQ(ended_, 0);
        EXPECT_FALSE(dialogs_.Failed());
        EXPECT_EQ(dialogs_.Pending(), 0);
    }
};

TEST_F(TypedTextFaults, DateEntryFields) {
    // The texts typed, the moment computed (nothing: refused) and the slot it goes to.
    const std::tuple<Typed, std::optional<EntryMoment>, int> rows[] = {
        // blanks around a subject number
        {{" 7 ", "2001", "12", "05", "14", "30"}, EntryMoment{2001, 12, 5, 14, 30}, 7},
        // "1205    ": month and day move into the year
        {{"1", "", "12", "05", "14", "30"}, EntryMoment{1205, 0, 0, 14, 30}, 1},
        {{"1", "abc", "12", "05", "14", "30"}, EntryMoment{0, 20, 5, 14, 30}, 1},
        {{"1", "99999", "12", "05", "14", "30"}, EntryMoment{9999, 91, 20, 14, 30}, 1},
        {{"1", "-40000", "12", "05", "14", "30"}, EntryMoment{-400, 0, 12, 14, 30}, 1},
        // year field "1e91"
        {{"1", "1e9", "12", "05", "14", "30"}, std::nullopt, 1},
        // " 7 1": blanks are skipped inside a number
        {{"1", " 7 ", "12", "05", "14", "30"}, EntryMoment{71, 20, 5, 14, 30}, 1},
        {{"1", "2001", "", "05", "14", "30"}, EntryMoment{2001, 5, 0, 14, 30}, 1},
        {{"1", "2001", "13", "05", "14", "30"}, EntryMoment{2001, 13, 5, 14, 30}, 1},
        {{"1", "2001", "1e9", "05", "14", "30"}, EntryMoment{2001, 1, 90, 14, 30}, 1},
        {{"1", "2001", "-40000", "05", "14", "30"}, EntryMoment{2001, -4, 0, 14, 30}, 1},
        {{"1", "2001", "12", "40", "14", "30"}, EntryMoment{2001, 12, 40, 14, 30}, 1},
        {{"1", "2001", "12", "05", "30", "30"}, EntryMoment{2001, 12, 5, 30, 30}, 1},
        // ".30": hour ".3", minute nothing
        {{"1", "2001", "12", "05", "", "30"}, EntryMoment{2001, 12, 5, 0, 0}, 1},
        {{"1", "2001", "12", "05", " 7 ", "30"}, EntryMoment{2001, 12, 5, 7, 0}, 1},
        {{"1", "2001", "12", "05", "14", "1e9"}, EntryMoment{2001, 12, 5, 14, 1}, 1},
        // every prompt cancelled
        {{"1", "", "", "", "", ""}, EntryMoment{0, 0, 0, 0, 0}, 1},
    };
    for (const auto& row : rows) {
        const auto& [typed, moment, slot] = row;
        SCOPED_TRACE(&row - rows);
        Program expected = State();
        const std::size_t asked = dialogs_.Asked().size();
        EnterSubject(typed);
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
    QWidget& form = ShowOnly(WindowId::Cycles);
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
