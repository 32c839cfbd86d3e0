// The date entry: its prompts in order, texts taken as typed, today's date, the confirmation, and
// every refusal leaving the slots as they were.
#include <QDate>

#include "conceptplane/numeric.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form_controls.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

using surface::Answer;
using surface::Buttons;

TEST(DateEntryTexts, FieldsAreTakenAsTyped) {
    struct Case {
        cp::Text year, month, day, entryDate, entryDateText;
    };
    const Case cases[] = {
        {U"2001", U"12", U"05", U"20011205", U"05 / 12 / 2001      "},
        {U"1965", U"07", U"03", U"19650703", U"03 / 07 / 1965      "},
        // A one-digit month shifts the day: month field "70", day field "3 ".
        {U"1965", U"7", U"03", U"1965703 ", U"3  / 70 / 1965      "},
        {U"19650", U"12", U"05", U"19650120", U"20 / 01 / 1965      "},
        {U"", U"", U"", U"        ", U"   /    /           "},
    };
    for (const Case& c : cases) {
        const cp::Text date = TypedEntryDate(c.year, c.month, c.day);
        EXPECT_EQ(date, c.entryDate) << ToQt(c.year).toStdString();
        EXPECT_EQ(EntryDateTextOf(date), c.entryDateText);
    }
    EXPECT_EQ(TodayEntryDate(QDate(2026, 1, 9)), U"20260109");
    // The confirmation and the numbers read from the fields.
    EXPECT_EQ(ConfirmationText(U"20011205", U"14.30"), U"05 / 12 / 2001 a las 14h.30m. fecha correcta?");
    EXPECT_EQ(MomentOf(U"20011205", U"14.30"), (EntryMoment{2001, 12, 5, 14, 30}));
    // Hour "9": the hour field reads "9." (9) and the minute field "0" (0).
    EXPECT_EQ(ConfirmationText(U"20011205", U"9.30"), U"05 / 12 / 2001 a las 9.h.0m. fecha correcta?");
    EXPECT_EQ(MomentOf(U"20011205", U"9.30"), (EntryMoment{2001, 12, 5, 9, 0}));
    EXPECT_EQ(MomentOf(U"1965703 ", U"09.15"), (EntryMoment{1965, 70, 3, 9, 15}));
    EXPECT_EQ(MomentOf(U"abcd1340", U"hh.mm"), (EntryMoment{0, 13, 40, 0, 0}));
    // Fields are cut before reading: "99999" cannot overflow, "1e99" as a year can.
    EXPECT_EQ(MomentOf(U"99999999", U"99.99"), (EntryMoment{9999, 99, 99, 99, 99}));
    EXPECT_FALSE(MomentOf(U"1e991205", U"14.30"));
}

TEST(DateEntryTexts, SubjectNumbers) {
    EXPECT_EQ(SubjectNumber(U" 2 "), 2);
    EXPECT_EQ(SubjectNumber(U"0"), 0);
    EXPECT_EQ(SubjectNumber(U"2.5"), 2);  // halves to even
    EXPECT_EQ(SubjectNumber(U"1e1"), 10);
    for (const char32_t* bad : {U"", U"uno", U"1a", U"13", U"-1", U"40000", U"1e9", U".", U"1e"})
        EXPECT_FALSE(SubjectNumber(bad)) << ToQt(bad).toStdString();
}

class DateEntry : public WindowTest {};

TEST_F(DateEntry, AsksInOrderWithTitlesAndDefaultsAndComputesOnYes) {
    EnterSubject(kFirstSubject);
    const auto& asked = dialogs_.Asked();
    ASSERT_EQ(asked.size(), 7u);
    const char* prompts[][2] = {{"Número del sujeto (1 ó 2)", ""}, {"introducir año ", "aaaa"},
                                {"introducir mes ", "mm"},         {"introducir día ", "dd"},
                                {"introducir hora ", "hh"},        {"introducir minuto ", "mm"}};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_TRUE(asked[i].isPrompt);
        EXPECT_EQ(asked[i].text, QString::fromUtf8(prompts[i][0]));
        EXPECT_EQ(asked[i].title, QStringLiteral("Fecha de nacimiento del sujeto"));
        EXPECT_EQ(asked[i].defaultText, QString::fromUtf8(prompts[i][1]));
    }
    EXPECT_EQ(asked[6].text, QStringLiteral("05 / 12 / 2001 a las 14h.30m. fecha correcta?"));
    EXPECT_EQ(asked[6].title, QStringLiteral("Fecha del sujeto"));
    EXPECT_EQ(asked[6].buttons, Buttons::YesNo);
    EXPECT_FALSE(dialogs_.Failed());

    // The slot holds what the computation gives for that moment.
    Program expected;
    AssignFixed(expected.EphemerisBuffer,
                ComputeEphemeris(expected, session_->ephemeris, 2001, 12, 5, 14, 30));
    EXPECT_EQ(State().CurrentSubject, 1);
    EXPECT_EQ(Slot(1).title, U"05 / 12 / 2001");
    EXPECT_EQ(Slot(1).ephemerisText, expected.EphemerisBuffer);
    EXPECT_EQ(Slot(1).ascendant, static_cast<int>(cp::NumericValue(expected.AscendantBuffer)));

    // Subject 2 afterwards leaves slot 1 as it was.
    const ChartSlot first = Slot(1);
    EnterSubject(kSecondSubject);
    EXPECT_EQ(State().CurrentSubject, 2);
    EXPECT_EQ(Slot(1).ephemerisText, first.ephemerisText);
    EXPECT_EQ(Slot(2).title, U"03 / 07 / 1965");
}

TEST_F(DateEntry, YearZeroOrAaaaTakesTodayWithoutAskingMonthAndDay) {
    for (const QString& year : {QStringLiteral("0"), QStringLiteral("aaaa")}) {
        for (const QString& text : {QStringLiteral("1"), year, QStringLiteral("14"), QStringLiteral("30")})
            dialogs_.PushText(text);
        dialogs_.PushAnswer(Answer::No);
        const std::size_t before = dialogs_.Asked().size();
        EnterDate(*session_, QDate(2001, 12, 5));
        ASSERT_EQ(dialogs_.Asked().size() - before, 5u);
        EXPECT_EQ(dialogs_.Asked()[before + 2].text, QStringLiteral("introducir hora "));
        EXPECT_EQ(State().EntryDate, U"20011205");
        EXPECT_EQ(State().EntryDateText, U"05 / 12 / 2001      ");
    }
}

TEST_F(DateEntry, NoKeepsTheTextsButChangesNoSlot) {
    EnterSubject(kFirstSubject);
    const Program before = State();
    for (const char* text : {"2", "1965", "7", "03", "9", "30"})
        dialogs_.PushText(QString::fromUtf8(text));
    dialogs_.PushAnswer(Answer::No);
    EnterDate(*session_);
    EXPECT_EQ(dialogs_.Asked().back().text, QStringLiteral("3  / 70 / 1965 a las 9.h.0m. fecha correcta?"));
    // CurrentSubject, EntryDate and EntryDateText were set before the question and stay.
    EXPECT_EQ(State().CurrentSubject, 2);
    EXPECT_EQ(State().EntryDate, U"1965703 ");
    EXPECT_EQ(State().EntryDateText, U"3  / 70 / 1965      ");
    EXPECT_EQ(State().EphemerisBuffer, before.EphemerisBuffer);
    for (int s = 0; s < kSlotCount; ++s) {
        EXPECT_EQ(Slot(s).title, SlotAt(before, s).title);
        EXPECT_EQ(Slot(s).ephemerisText, SlotAt(before, s).ephemerisText);
    }
}

TEST_F(DateEntry, BadSubjectNumbersEndTheEntryWithNothingChanged) {
    dialogs_.PushText(QString());  // cancelled: no message at all
    EnterDate(*session_);
    EXPECT_EQ(dialogs_.Asked().size(), 1u);
    for (const QString& bad :
         {QStringLiteral("uno"), QStringLiteral("13"), QStringLiteral("40000"), QStringLiteral("1e9")}) {
        dialogs_.PushText(bad);
        EnterDate(*session_);
        EXPECT_EQ(dialogs_.Asked().back().text, QStringLiteral("Número de sujeto no válido"));
    }
    EXPECT_EQ(State().CurrentSubject, 0);
    EXPECT_EQ(State().EntryDate, cp::Text(8, U' '));
    EXPECT_FALSE(dialogs_.Failed());
}

}  // namespace
}  // namespace orvanel::testing
