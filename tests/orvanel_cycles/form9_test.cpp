// The cycles window at work: the grid, the plots of the values the cycle code computes under their
// titles, the central date typed or today's, the exported plot's notes, the coincidence report, and
// a missing ephemeris file.
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <filesystem>
#include <tuple>

#include "cycles_fixture.h"
#include "orvanel/cycles/coincidence_report.h"
#include "orvanel/cycles/cycle_plot.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"

namespace orvanel::testing {
namespace {

class Form9Test : public CyclesTest {
  protected:
    // Subject 1 as entered at 14:30, the central date some weeks later.
    Form9Test() {
        EnterBothComputed();
        AssignFixed(State().EntryDate, U"20020110");
        ShowOnly(WindowId::Cycles);
    }
    CyclePlot Expected(std::int16_t a, std::int16_t b, std::int16_t mode) {
        Program copy = State();
        return ComputeCycle(copy, session_->ephemeris, a, b, mode);
    }
    // One grid, a dot per day at its height, and a larger one on each day the natal angle comes back.
    void ExpectPlot(const CyclePlot& plot) {
        EXPECT_EQ(Lines().size(), 37u);
        std::vector<surface::Point> dots, marks;
        for (std::size_t d = 0; d < plot.days.size(); ++d) {
            dots.push_back({static_cast<double>(d + 1), plot.days[d].y});
            if (plot.days[d].mark) marks.push_back(dots.back());
        }
        EXPECT_EQ(Centres(0.1), dots);
        EXPECT_EQ(Centres(0.3), marks);
    }
};

TEST_F(Form9Test, GridIsDrawnOnOpeningAndWhenAMenuOpens) {
    EXPECT_EQ(Drawing().Scale(), (surface::UserScale{0, 0, 32, 150}));
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 37u);
    for (std::size_t i = 0; i < 31; ++i) {  // the days, dotted
        const double day = static_cast<double>(i + 1);
        EXPECT_EQ(std::pair(lines[i].a, lines[i].b),
                  std::pair(surface::Point{day, 25}, surface::Point{day, 125}));
        EXPECT_EQ(lines[i].style, surface::kDotted);
    }
    const std::pair<surface::Point, surface::Point> frame[] = {{{1, 25}, {31, 25}},   {{1, 125}, {31, 125}},
                                                               {{1, 25}, {1, 125}},   {{31, 25}, {31, 125}},
                                                               {{16, 25}, {16, 125}}, {{31, 75}, {1, 75}}};
    for (std::size_t i = 0; i < std::size(frame); ++i) {
        EXPECT_EQ(std::pair(lines[31 + i].a, lines[31 + i].b), frame[i]) << i;
        EXPECT_EQ(lines[31 + i].style, surface::kSolid);
    }
    // Drawn again over itself, the grid stays one grid in the list.
    for (const char* menu : {"mnuF", "mnuSol", "mnuLuna"}) {
        real_input::ClickMenuItem(Find<QMenu>(Form9(), menu)->menuAction());
        real_input::PressKey(Qt::Key_Escape);
    }
    EXPECT_EQ(Lines().size(), 37u);
}

TEST_F(Form9Test, CycleItemsPlotTheCoreValuesUnderTheirTitles) {
    // The menu item, the title it writes, the points and the mode it plots.
    const std::tuple<const char*, const char*, std::int16_t, std::int16_t, std::int16_t> items[] = {
        {"mnuSolascendente", "Ciclo  Sol - Ascendente natal", 13, 1, 2},
        {"mnuSoluna", "Ciclo  Sol - Luna", 1, 2, 1},
        {"mnuLunascendente", "Ciclo  Luna - Ascendente natal", 13, 2, 2},
        {"mnuLunavenus", "Ciclo  Luna - Venus", 4, 2, 1},
        {"mnuLunanodo", "Ciclo  Luna - Nodo", 12, 2, 1}};
    for (const auto& [item, title, a, b, mode] : items) {
        const CyclePlot plot = Expected(a, b, mode);
        Choose(Form9(), item);
        EXPECT_EQ(LabelText("Label1"), QString::fromUtf8(title));
        ExpectPlot(plot);
        EXPECT_EQ(State().EphemerisBuffer, plot.days.back().ephemerisText) << item;
    }
}

TEST_F(Form9Test, TypedCentralDateMovesThePlotAndTodayKeepsIt) {
    Choose(Form9(), "mnuLunavenus");
    for (const char* answer : {"2020", "03", "01"})
        dialogs_.PushText(QString::fromUtf8(answer));
    Choose(Form9(), "mnuFecha");
    EXPECT_EQ(Transcript(), QStringList({QString::fromUtf8("Fecha central: introducir año  [aaaa]"),
                                         "Fecha central: introducir mes  [mm]",
                                         QString::fromUtf8("Fecha central: introducir día  [dd]")}));
    EXPECT_EQ(State().EntryDate, U"20200301");
    EXPECT_EQ(LabelText("Label2"), QStringLiteral("01 / 03 / 2020"));
    EXPECT_EQ(LabelText("Label1"), QString());
    EXPECT_EQ(Lines().size(), 37u);  // the grid alone
    EXPECT_TRUE(Centres(0.1).empty());
    const CyclePlot plot = Expected(4, 2, 1);
    Choose(Form9(), "mnuLunavenus");
    ExpectPlot(plot);

    // Today keeps the plot and draws the grid over it, as opening "&Fecha" did.
    Choose(Form9(), "mnuHoy");
    EXPECT_EQ(State().EntryDate, TodayEntryDate(QDate::currentDate()));
    EXPECT_EQ(LabelText("Label2"), QDate::currentDate().toString(QStringLiteral("dd / MM / 20yy")));
    ExpectPlot(plot);
    EXPECT_FALSE(dialogs_.Failed());
}

// An exported plot says what it shows: its cycle and the central date it was drawn around, which a
// later "Hoy" changes in the window but not in the plot.
TEST_F(Form9Test, AnExportedPlotSaysItsCycleAndCentralDate) {
    Choose(Form9(), "mnuLunavenus");
    Choose(Form9(), "mnuHoy");
    const QString svg = ExportedSvg(Form9());
    EXPECT_TRUE(svg.contains(QString::fromUtf8("Ciclo  Luna - Venus")));
    EXPECT_TRUE(svg.contains(QStringLiteral("Fecha central: 10 / 01 / 2002")));
}

// The report over the plot, which stays under it; a menu opened hides it. A report longer than its
// box is shown from its first line.
TEST_F(Form9Test, CoincidenceReportFillsText1AsTheCoreWritesIt) {
    Choose(Form9(), "mnuLunavenus");
    const std::size_t drawn = Drawing().List().size();
    Program copy = State();
    const cp::Text expected = JoinLines(CoincidenceLines(copy, session_->ephemeris));
    Choose(Form9(), "mnuCoincidencias");
    auto* text = Find<QPlainTextEdit>(Form9(), "Text1");
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(LabelText("Label1"), QStringLiteral("Aspectos coincidentes con los natales"));
    EXPECT_EQ(text->toPlainText(), Caption(expected));
    EXPECT_EQ(Drawing().List().size(), drawn);
    EXPECT_EQ(State().EphemerisBuffer, copy.EphemerisBuffer);
    real_input::ClickMenuItem(Find<QMenu>(Form9(), "mnuSol")->menuAction());
    real_input::PressKey(Qt::Key_Escape);
    EXPECT_FALSE(text->isVisible());

    AssignFixed(State().EntryDate, U"20011205");  // the birth date: nearly every angle comes back
    Choose(Form9(), "mnuCoincidencias");
    ASSERT_GT(text->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
}

// Told once per computation, never per day; the plot, the title and the buffers stay.
TEST_F(Form9Test, MissingEphemerisIsToldAndChangesNothing) {
    Choose(Form9(), "mnuLunavenus");
    const auto dots = Centres(0.1);
    const Program before = State();
    std::filesystem::remove(folder_ / "efemerides.txt");
    Choose(Form9(), "mnuLunamercurio");
    Choose(Form9(), "mnuCoincidencias");
    const QString told =
        QString::fromUtf8("Fecha central: Falta el archivo efemerides.txt o está incompleto");
    EXPECT_EQ(Transcript(), QStringList({told, told}));
    EXPECT_EQ(Centres(0.1), dots);  // opening "&Luna" only drew the grid over it
    EXPECT_EQ(LabelText("Label1"), QString::fromUtf8("Ciclo  Luna - Venus"));
    EXPECT_TRUE(State() == before);
    EXPECT_FALSE(Find<QPlainTextEdit>(Form9(), "Text1")->isVisible());
}

}  // namespace
}  // namespace orvanel::testing
