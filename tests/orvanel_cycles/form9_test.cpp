// The cycles window at work: its menus, the grid, the cycle plots against the values the computing
// core gives, the central date typed or today's, the coincidence report, and computing faults.
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "cycles_fixture.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/cycles/coincidence_report.h"
#include "orvanel/cycles/cycle_plot.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form_controls.h"
#include "surface/picture_widget.h"

namespace orvanel::testing {
namespace {

class Form9Test : public CyclesTest {
  protected:
    // Subject 1 as entered at 14:30, the central date some weeks later.
    Form9Cycles& OpenAfterBirth() {
        EnterBothSubjects();
        AssignFixed(State().EntryDate, U"20020110");
        return OpenFromMainMenu();
    }
    CyclePlot Expected(std::int16_t a, std::int16_t b, std::int16_t mode) {
        Program copy = State();
        return ComputeCycle(copy, session_->ephemeris, a, b, mode);
    }
    void ExpectGridOnly() {
        EXPECT_EQ(Lines().size(), 37u);
        EXPECT_TRUE(Circles(0.1).empty());
    }
    void ExpectPlot(const CyclePlot& plot) {
        const auto small = Circles(0.1), large = Circles(0.3);
        ASSERT_EQ(small.size(), 31u);
        std::size_t marks = 0, k = 0;
        for (std::size_t d = 0; d < small.size(); ++d) {
            const CycleDay& day = plot.days[d];
            EXPECT_EQ(small[d].a.x, static_cast<double>(d + 1));
            EXPECT_EQ(small[d].a.y, static_cast<double>(day.y));
            EXPECT_EQ(small[d].colour, surface::kWhite);
            EXPECT_EQ(day.mark, std::abs(plot.natalAngle - day.angle) < plot.orb);
            if (!day.mark) continue;
            ++marks;
            ASSERT_LT(k, large.size());
            EXPECT_EQ(large[k++].a, small[d].a);
        }
        EXPECT_EQ(large.size(), marks);
    }
};

TEST_F(Form9Test, MenusInBarOrderWithTheirItems) {
    Form9Cycles& form = OpenAfterBirth();
    std::vector<std::pair<QString, QString>> bar;
    for (QAction* a : form.menuBar()->actions())
        bar.emplace_back(a->objectName(), a->text());
    const std::vector<std::pair<QString, QString>> expected = {
        {"mnuF", "&Fecha"},       {"mnuCoincidencias", "&Coincidencias"},
        {"mnuSol", "&Sol"},       {"mnuLuna", "&Luna"},
        {"mnuVolver", "&Volver"}, {"mnuExportar", "E&xportar"}};
    EXPECT_EQ(bar, expected);
    EXPECT_EQ(Find<QAction>(form, "mnuHoy")->text(), QStringLiteral("&Hoy"));
    EXPECT_EQ(Find<QAction>(form, "mnuFecha")->text(), QStringLiteral("&Introducir fecha"));
    EXPECT_EQ(Find<QMenu>(form, "mnuSol")->actions().size(), 3);
    EXPECT_EQ(Find<QMenu>(form, "mnuLuna")->actions().size(), 11);
    EXPECT_EQ(Find<QAction>(form, "mnuSolascendente")->text(),
              QString::fromUtf8("Sol - &Ascendente del sujeto"));
    EXPECT_EQ(Find<QAction>(form, "mnuLumarte")->text(), QString::fromUtf8("Luna - Mar&te"));
    EXPECT_EQ(Find<QAction>(form, "mnuLunanodo")->text(), QString::fromUtf8("Luna _ No&do"));
}

TEST_F(Form9Test, GridIsDrawnOnOpeningAndWhenAMenuOpens) {
    Form9Cycles& form = OpenAfterBirth();
    EXPECT_EQ(Drawing().Scale(), (surface::UserScale{0, 0, 32, 150}));
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 37u);
    for (std::size_t i = 0; i < 31; ++i) {
        EXPECT_EQ(lines[i].a, (surface::Point{static_cast<double>(i + 1), 25})) << i;
        EXPECT_EQ(lines[i].b, (surface::Point{static_cast<double>(i + 1), 125})) << i;
        EXPECT_EQ(lines[i].style, surface::kDotted);
    }
    const std::vector<std::pair<surface::Point, surface::Point>> frame = {
        {{1, 25}, {31, 25}},   {{1, 125}, {31, 125}}, {{1, 25}, {1, 125}},
        {{31, 25}, {31, 125}}, {{16, 25}, {16, 125}}, {{31, 75}, {1, 75}}};
    for (std::size_t i = 0; i < frame.size(); ++i) {
        EXPECT_EQ(lines[31 + i].a, frame[i].first) << i;
        EXPECT_EQ(lines[31 + i].b, frame[i].second) << i;
        EXPECT_EQ(lines[31 + i].style, surface::kSolid);
        EXPECT_EQ(lines[31 + i].colour, surface::kWhite);
    }
    for (const char* menu : {"mnuF", "mnuSol", "mnuLuna"})
        OpenMenu(form, menu);
    EXPECT_EQ(Lines().size(), 4 * 37u);
}

TEST_F(Form9Test, CycleItemsPlotTheCoreValuesWithTheirTitles) {
    Form9Cycles& form = OpenAfterBirth();
    const CyclePlot venus = Expected(4, 2, 1);
    Choose(form, "mnuLunavenus");
    EXPECT_EQ(LabelText("Label1"), QString::fromUtf8("Ciclo  Luna - Venus"));
    EXPECT_EQ(Lines().size(), 37u);  // cleared, then one grid
    ExpectPlot(venus);
    EXPECT_EQ(venus.orb, 15);
    EXPECT_EQ(State().EphemerisBuffer, venus.days.back().ephemerisText);
    EXPECT_EQ(State().CurrentSubject, 1);

    // Every item, Sun against the natal Ascendant among them.
    for (const auto* items : {&kSunItems[0], &kMoonItems[0]}) {
        const std::size_t count = items == &kSunItems[0] ? kSunItems.size() : kMoonItems.size();
        for (std::size_t i = 0; i < count; ++i) {
            const CycleItem& item = items[i];
            const CyclePlot plot = Expected(item.a, item.b, item.mode);
            Choose(form, item.name);
            EXPECT_EQ(LabelText("Label1"), QString::fromUtf8(item.title)) << item.name;
            ExpectPlot(plot);
        }
    }
    EXPECT_EQ(LabelText("Label1"), QString::fromUtf8("Ciclo  Luna - Nodo"));
    Choose(form, "mnuSolascendente");
    EXPECT_EQ(LabelText("Label1"), QString::fromUtf8("Ciclo  Sol - Ascendente natal"));
}

TEST_F(Form9Test, CentralDayOfTheBirthDateIsMarked) {
    EnterSubject(1, 1990, 6, 15, 0, 0);
    Form9Cycles& form = OpenFromMainMenu();
    Choose(form, "mnuSolmercurio");
    const CyclePlot plot = Expected(1, 3, 1);
    EXPECT_EQ(plot.orb, 4);
    EXPECT_TRUE(plot.days[15].mark);
    ExpectPlot(plot);
    const auto large = Circles(0.3);
    EXPECT_NE(std::find_if(large.begin(), large.end(), [](const auto& c) { return c.a.x == 16; }),
              large.end());
}

TEST_F(Form9Test, TypedCentralDateMovesThePlotAndBadOnesAreRefused) {
    Form9Cycles& form = OpenAfterBirth();
    Choose(form, "mnuLunavenus");
    for (const char* answer : {"2020", "03", "01"})
        dialogs_.PushText(QString::fromUtf8(answer));
    Choose(form, "mnuFecha");
    ASSERT_EQ(dialogs_.Asked().size(), 3u);
    const char* prompts[][2] = {
        {"introducir año ", "aaaa"}, {"introducir mes ", "mm"}, {"introducir día ", "dd"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(dialogs_.Asked()[i].text, QString::fromUtf8(prompts[i][0]));
        EXPECT_EQ(dialogs_.Asked()[i].defaultText, QString::fromUtf8(prompts[i][1]));
        EXPECT_EQ(dialogs_.Asked()[i].title, QStringLiteral("Fecha central"));
    }
    EXPECT_EQ(State().EntryDate, U"20200301");
    EXPECT_EQ(LabelText("Label2"), QStringLiteral("01 / 03 / 2020"));
    EXPECT_EQ(LabelText("Label1"), QString());
    ExpectGridOnly();

    // The first day of the plot counts back into February of a leap year: 15 February.
    const CyclePlot plot = Expected(4, 2, 1);
    Choose(form, "mnuLunavenus");
    ExpectPlot(plot);
    Program copy = State();
    EXPECT_EQ(plot.days[0].ephemerisText, ComputeEphemeris(copy, session_->ephemeris, 2020, 2, 15, 0, 0));

    // A year beyond 16 bits: told, and nothing changes.
    const std::uint64_t revision = Drawing().Revision();
    for (const char* answer : {"1e5", "mm", "dd"})
        dialogs_.PushText(QString::fromUtf8(answer));
    Choose(form, "mnuFecha");
    ASSERT_EQ(dialogs_.Asked().size(), 7u);
    EXPECT_EQ(dialogs_.Asked()[6].text, QString::fromUtf8("Fecha no válida"));
    EXPECT_EQ(dialogs_.Asked()[6].title, QStringLiteral("Fecha central"));
    EXPECT_EQ(State().EntryDate, U"20200301");
    EXPECT_EQ(LabelText("Label2"), QStringLiteral("01 / 03 / 2020"));
    EXPECT_EQ(LabelText("Label1"), QString::fromUtf8("Ciclo  Luna - Venus"));
    EXPECT_EQ(Drawing().Revision(), revision);

    // Today keeps the plot and draws the grid over it.
    Choose(form, "mnuHoy");
    EXPECT_EQ(State().EntryDate, TodayEntryDate(QDate::currentDate()));
    EXPECT_EQ(LabelText("Label2"),
              ToQt(cp::Mid(State().EntryDate, 7, 2) + U" / " + cp::Mid(State().EntryDate, 5, 2) + U" / " +
                   cp::Mid(State().EntryDate, 1, 4)));
    EXPECT_EQ(Circles(0.1).size(), 31u);
    EXPECT_EQ(Lines().size(), 2 * 37u);
    EXPECT_FALSE(dialogs_.Failed());
}

TEST_F(Form9Test, CoincidenceReportFillsText1AsTheCoreWritesIt) {
    EnterSubject(1, 1990, 6, 15, 0, 0);
    Form9Cycles& form = OpenFromMainMenu();
    Choose(form, "mnuLunavenus");
    const std::size_t drawn = Drawing().List().size();
    Choose(form, "mnuCoincidencias");
    QPlainTextEdit* text = Text1();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(LabelText("Label1"), QStringLiteral("Aspectos coincidentes con los natales"));
    // The central date is the birth date: every body against the Ascendant and every pair, in order.
    const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 37);  // 36 lines, each ending in a line break
    EXPECT_EQ(lines[0], QString::fromUtf8("  El Sol            Ascendente "));
    EXPECT_EQ(lines[1], QString::fromUtf8("  El Sol            La Luna   "));
    EXPECT_EQ(lines[8], QString::fromUtf8("  La Luna           Ascendente "));
    EXPECT_EQ(lines[35], QString::fromUtf8("  Urano             Ascendente "));
    EXPECT_EQ(lines[36], QString());
    EXPECT_EQ(Drawing().List().size(), drawn);  // the plot under the report stays

    // Another central date: exactly the core's report; a menu opened hides it again.
    AssignFixed(State().EntryDate, U"20020110");
    Program copy = State();
    const QString expected = ToQt(JoinLines(CoincidenceLines(copy, session_->ephemeris)));
    Choose(form, "mnuCoincidencias");
    EXPECT_EQ(text->toPlainText(), QString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(State().EphemerisBuffer, copy.EphemerisBuffer);
    OpenMenu(form, "mnuSol");
    EXPECT_FALSE(text->isVisible());
}

TEST_F(Form9Test, MissingEphemerisIsToldAndChangesNothing) {
    Form9Cycles& form = OpenAfterBirth();
    Choose(form, "mnuLunavenus");
    const std::uint64_t revision = Drawing().Revision();
    const cp::Text buffer = State().EphemerisBuffer;
    std::filesystem::remove(folder_ / "efemerides.txt");
    Choose(form, "mnuLunamercurio");
    Choose(form, "mnuCoincidencias");
    ASSERT_EQ(dialogs_.Asked().size(), 2u);
    for (const auto& asked : dialogs_.Asked()) {
        EXPECT_TRUE(asked.text.contains(QStringLiteral("efemerides.txt"))) << asked.text.toStdString();
        EXPECT_EQ(asked.title, QStringLiteral("Fecha central"));
    }
    EXPECT_EQ(Drawing().Revision(), revision);
    EXPECT_EQ(LabelText("Label1"), QString::fromUtf8("Ciclo  Luna - Venus"));
    EXPECT_EQ(State().EphemerisBuffer, buffer);
    EXPECT_FALSE(Text1()->isVisible());
}

// Grabs the window as it paints: the plot's dots are white on black where the display list puts them.
// The pictures are left in the working folder to be looked at.
TEST_F(Form9Test, PaintedPlotAndReport) {
    Form9Cycles& form = OpenAfterBirth();
    Choose(form, "mnuLunavenus");
    auto* picture = Find<surface::PictureWidget>(form, "Picture");
    const QImage plot = picture->grab().toImage();
    EXPECT_TRUE(form.grab().save(QStringLiteral("cycles_plot.png")));
    const CyclePlot values = Expected(4, 2, 1);
    // The dots are rings centred on the dotted day lines: look beside the line, away from the middle one.
    const auto brightestBeside = [&plot](int cx, int cy) {
        int brightest = 0;
        for (int x = cx + 1; x <= cx + 4; ++x)
            for (int y = cy - 4; y <= cy + 4; ++y)
                brightest = std::max(brightest, qGray(plot.pixel(x, y)));
        return brightest;
    };
    for (const CycleDay& day : values.days) {
        if (day.offset == 15 || std::abs(day.y - 75.0f) < 3) continue;
        const int x = static_cast<int>(std::lround((day.offset + 16) * plot.width() / 32.0));
        const int y = static_cast<int>(std::lround(static_cast<double>(day.y) * plot.height() / 150.0));
        EXPECT_GT(brightestBeside(x, y), 128) << day.offset;
        EXPECT_EQ(brightestBeside(x, y + 12), 0) << day.offset;  // nothing drawn below a dot
    }
    EXPECT_EQ(qGray(plot.pixel(plot.width() / 64, plot.height() / 2)), 0);  // left of the frame
    Choose(form, "mnuCoincidencias");
    EXPECT_TRUE(form.grab().save(QStringLiteral("cycles_report.png")));
}

}  // namespace
}  // namespace orvanel::testing
