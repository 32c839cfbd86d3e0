// The date entry: its prompts in order, today's date, the confirmation, the subject number's rule, and
// every refusal leaving the program as it was.
#include <QDate>
#include <optional>

#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form_controls.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

using surface::Answer;

// A whole number from 0 to 12, blanks around it allowed; anything else is no subject.
TEST(DateEntryTexts, SubjectNumbers) {
    const std::pair<const char32_t*, std::optional<std::int16_t>> cases[] = {
        {U" 2 ", 2},  {U"0", 0},   {U"12", 12},  {U"2.5", 2} /* halves to even */,
        {U"1e1", 10}, {U"", {}},   {U"uno", {}}, {U"1a", {}},
        {U"1x5", {}}, {U"13", {}}, {U"-1", {}},  {U"40000", {}},
        {U"1e9", {}}, {U".", {}},  {U"1e", {}},
    };
    for (const auto& [typed, slot] : cases)
        EXPECT_EQ(SubjectNumber(typed), slot) << ToQt(typed).toStdString();
}

class DateEntry : public WindowTest {};

TEST_F(DateEntry, YearZeroOrAaaaTakesTodayWithoutAskingMonthAndDay) {
    for (const QString& year : {QStringLiteral("0"), QStringLiteral("aaaa")}) {
        for (const QString& text : {QStringLiteral("1"), year, QStringLiteral("14"), QStringLiteral("30")})
            dialogs_.PushText(text);
        dialogs_.PushAnswer(Answer::No);
        const std::size_t before = dialogs_.Asked().size();
        EnterDate(*session_, QDate(2001, 12, 5));
        ASSERT_EQ(dialogs_.Asked().size() - before, 5u);  // subject, year, hour, minute, confirmation
        EXPECT_EQ(State().EntryDate, U"20011205");
        EXPECT_EQ(State().EntryDateText, U"05 / 12 / 2001      ");
    }
}

// The prompts in order with their titles and defaults, "Sí" computing (the slot's values for each
// typed moment are in the fault tables). In a later entry the subject and the date texts are set
// before the confirmation, as typed; "No" computes nothing.
TEST_F(DateEntry, AsksInOrderAndNoKeepsTheTextsButChangesNoSlot) {
    EnterSubject(kFirstSubject);
    const QString prompt = QStringLiteral("Fecha de nacimiento del sujeto: ");
    EXPECT_EQ(Transcript(), QStringList({prompt + QString::fromUtf8("Número del sujeto (1 ó 2)"),
                                         prompt + QString::fromUtf8("introducir año  [aaaa]"),
                                         prompt + "introducir mes  [mm]",
                                         prompt + QString::fromUtf8("introducir día  [dd]"),
                                         prompt + "introducir hora  [hh]", prompt + "introducir minuto  [mm]",
                                         "Fecha del sujeto: 05 / 12 / 2001 a las 14h.30m. fecha correcta?"}));
    EXPECT_EQ(dialogs_.Asked()[6].buttons, surface::Buttons::YesNo);
    EXPECT_EQ(Slot(1).title, U"05 / 12 / 2001");
    Program expected = State();
    PushSubject({"2", "1965", "7", "03", "9", "30"}, Answer::No);
    EnterDate(*session_);
    EXPECT_EQ(Told().text, QStringLiteral("3  / 70 / 1965 a las 9.h.0m. fecha correcta?"));
    expected.CurrentSubject = 2;
    AssignFixed(expected.EntryDate, U"1965703 ");
    AssignFixed(expected.EntryDateText, U"3  / 70 / 1965");
    EXPECT_TRUE(State() == expected);
}

TEST_F(DateEntry, BadSubjectNumbersEndTheEntryWithNothingChanged) {
    const Program before = State();
    dialogs_.PushText(QString());  // cancelled: no message at all
    EnterDate(*session_);
    dialogs_.PushText(QStringLiteral("uno"));
    EnterDate(*session_);
    EXPECT_EQ(Transcript(2),
              QStringList(QString::fromUtf8("Fecha de nacimiento del sujeto: Número de sujeto no válido")));
    EXPECT_TRUE(State() == before);
}

}  // namespace
}  // namespace orvanel::testing
