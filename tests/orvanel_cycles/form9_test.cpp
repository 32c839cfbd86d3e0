// The cycles window: its two ways in and out (the main menu's label, the synastry window's menu item,
// "Volver" and the close box), the grid, the plots of the values the cycle code computes under their
// titles, the central date typed or today's with the exported plot's notes, the coincidence report,
// and a missing ephemeris file.
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <filesystem>
#include <tuple>

#include "orvanel/cycles/coincidence_report.h"
#include "orvanel/cycles/cycle_plot.h"
#include "orvanel/cycles/form9_cycles.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

class Form9Test : public WindowTest {
  protected:
    // Subject 1 as entered at 14:30, the central date some weeks later.
    Form9Test() {
        EnterBothComputed();
        AssignFixed(State().EntryDate, U"20020110");
        ShowOnly(WindowId::Cycles);
    }
    Form9Cycles& Form9() { return windows_->Get<Form9Cycles>(WindowId::Cycles); }
    QString LabelText(const char* name) { return Find<QLabel>(Form9(), name)->text(); }
    const surface::DrawingSurface& Drawing() { return Picture(Form9(), "Picture")->Surface(); }
    std::vector<surface::Primitive> Lines() { return OfKind(Drawing(), surface::PrimitiveKind::Line); }
    // The centres of the drawing's circles of `radius`, in order.
    std::vector<surface::Point> Centres(double radius) {
        std::vector<surface::Point> found;
        for (const surface::Primitive& p : OfKind(Drawing(), surface::PrimitiveKind::Circle))
            if (p.radius == radius) found.push_back(p.a);
        return found;
    }
    CyclePlot Expected(std::int16_t a, std::int16_t b, std::int16_t mode) {
        Program copy = State();
        return ComputeCycle(copy, session_->ephemeris, a, b, mode);
    }
    // One grid, a dot per day at its height, and a larger one on each day the natal angle comes back.
    void ExpectPlot(const CyclePlot& plot) {
        std::vector<surface::Point> dots, marks;
        for (std::size_t d = 0; d < plot.days.size(); ++d) {
            dots.push_back({static_cast<double>(d + 1), plot.days[d].y});
            if (plot.days[d].mark) marks.push_back(dots.back());
        }
        EXPECT_EQ(Centres(0.1), dots);
        EXPECT_EQ(Centres(0.3), marks);
    }
};

// Both ways show subject 1 and the central date the plots are drawn around; the synastry's way takes
// the subject it was left on as the synastry's base. "Volver" with no known window to go back to
// goes to the main menu, never leaving the program without a window.
TEST_F(Form9Test, BothWaysInShowSubjectOneAndVolverGoesBackAndClosingEnds) {
    const std::pair<WindowId, const char*> ways[] = {{WindowId::MainMenu, "Label5"},
                                                     {WindowId::Synastry, "mnuCiclos"}};
    for (const auto& [id, control] : ways) {
        QWidget& from = ShowOnly(id);
        State().CurrentSubject = 2;
        Use(from, control);
        EXPECT_TRUE(OnlyVisible(Form9())) << control;
        EXPECT_EQ(State().CurrentSubject, 1);
        EXPECT_EQ(Form9().windowTitle(),
                  QString::fromUtf8("Ciclos planetarios de  05 / 12 / 2001 ( 05 / 12 / 2001 )"));
        EXPECT_EQ(LabelText("Label2"), QStringLiteral("10 / 01 / 2002"));
        if (id == WindowId::MainMenu) State().ReturnWindow = 0;  // no known window: the main menu
        Choose(Form9(), "mnuVolver");
        EXPECT_TRUE(OnlyVisible(from)) << control;
    }
    EXPECT_EQ(State().SynastryBase, 2);
    EXPECT_TRUE(dialogs_.Asked().empty());
    ShowOnly(WindowId::Cycles).close();
    EXPECT_EQ(ended_, 1);
}

// The days dotted, then the frame, the central day and the middle line solid, drawn again over
// themselves when a menu opens.
TEST_F(Form9Test, GridIsDrawnOnOpeningAndWhenAMenuOpens) {
    EXPECT_EQ(Drawing().Scale(), (surface::UserScale{0, 0, 32, 150}));
    using Line = std::tuple<surface::Point, surface::Point, int>;
    std::vector<Line> expected = {
        {{1, 25}, {31, 25}, surface::kSolid},   {{1, 125}, {31, 125}, surface::kSolid},
        {{1, 25}, {1, 125}, surface::kSolid},   {{31, 25}, {31, 125}, surface::kSolid},
        {{16, 25}, {16, 125}, surface::kSolid}, {{31, 75}, {1, 75}, surface::kSolid}};
    for (double day = 31; day >= 1; --day)
        expected.insert(expected.begin(), {{day, 25}, {day, 125}, surface::kDotted});
    for (const char* menu : {"mnuF", "mnuSol", "mnuLuna"}) {
        std::vector<Line> drawn;
        for (const surface::Primitive& line : Lines())
            drawn.emplace_back(line.a, line.b, line.style);
        EXPECT_EQ(drawn, expected) << menu;
        real_input::ClickMenuItem(Find<QMenu>(Form9(), menu)->menuAction());
        real_input::PressKey(Qt::Key_Escape);
    }
    EXPECT_EQ(Lines().size(), expected.size());
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

// The typed date clears the plot; today keeps it and draws the grid over it, as opening "&Fecha" did.
// An exported plot says the cycle and the central date it was drawn around, not today's.
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
    EXPECT_TRUE(Centres(0.1).empty());
    const CyclePlot plot = Expected(4, 2, 1);
    Choose(Form9(), "mnuLunavenus");
    Choose(Form9(), "mnuHoy");
    EXPECT_EQ(State().EntryDate, TodayEntryDate(QDate::currentDate()));
    EXPECT_EQ(LabelText("Label2"), QDate::currentDate().toString(QStringLiteral("dd / MM / 20yy")));
    ExpectPlot(plot);
    const QString svg = ExportedSvg(Form9());
    EXPECT_TRUE(svg.contains(QString::fromUtf8("Ciclo  Luna - Venus")));
    EXPECT_TRUE(svg.contains(QStringLiteral("Fecha central: 01 / 03 / 2020")));
}

// The report over the plot, which stays under it; a menu opened hides it. A report longer than its
// box (around the birth date nearly every angle comes back) is shown from its first line.
TEST_F(Form9Test, CoincidenceReportFillsText1AsTheCoreWritesIt) {
    Choose(Form9(), "mnuLunavenus");
    const std::size_t drawn = Drawing().List().size();
    AssignFixed(State().EntryDate, U"20011205");
    Program copy = State();
    const cp::Text expected = JoinLines(CoincidenceLines(copy, session_->ephemeris));
    Choose(Form9(), "mnuCoincidencias");
    auto* text = Find<QPlainTextEdit>(Form9(), "Text1");
    EXPECT_EQ(LabelText("Label1"), QStringLiteral("Aspectos coincidentes con los natales"));
    EXPECT_EQ(text->toPlainText(), Caption(expected));
    EXPECT_EQ(Drawing().List().size(), drawn);
    EXPECT_EQ(State().EphemerisBuffer, copy.EphemerisBuffer);
    ASSERT_TRUE(text->isVisible() && text->verticalScrollBar()->maximum() > 0);
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
    real_input::ClickMenuItem(Find<QMenu>(Form9(), "mnuSol")->menuAction());
    real_input::PressKey(Qt::Key_Escape);
    EXPECT_FALSE(text->isVisible());
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
