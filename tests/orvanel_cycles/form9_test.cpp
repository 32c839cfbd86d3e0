// The cycles window at work: its menus, the grid, the cycle plots against the values the computing
// core gives, the central date typed or today's, the coincidence report, and computing faults.
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
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
        EnterBothComputed();
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
            if (!day.mark) continue;
            ++marks;
            ASSERT_LT(k, large.size());
            EXPECT_EQ(large[k++].a, small[d].a);
        }
        EXPECT_EQ(large.size(), marks);
    }
};

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
        EXPECT_EQ(std::pair(lines[31 + i].a, lines[31 + i].b), frame[i]) << i;
        EXPECT_EQ(lines[31 + i].style, surface::kSolid);
    }
    // Drawn again over itself, the grid stays one grid in the list.
    for (const char* menu : {"mnuF", "mnuSol", "mnuLuna"})
        OpenMenu(form, menu);
    EXPECT_EQ(Lines().size(), 37u);
}

TEST_F(Form9Test, CycleItemsPlotTheCoreValuesWithTheirTitles) {
    Form9Cycles& form = OpenAfterBirth();
    // Every item, Sun against the natal Ascendant among them; each clears the drawing for one grid.
    for (const auto* items : {&kSunItems[0], &kMoonItems[0]}) {
        const std::size_t count = items == &kSunItems[0] ? kSunItems.size() : kMoonItems.size();
        for (std::size_t i = 0; i < count; ++i) {
            const CycleItem& item = items[i];
            const CyclePlot plot = Expected(item.a, item.b, item.mode);
            Choose(form, item.name);
            EXPECT_EQ(LabelText("Label1"), QString::fromUtf8(item.title)) << item.name;
            EXPECT_EQ(Lines().size(), 37u) << item.name;
            ExpectPlot(plot);
            EXPECT_EQ(State().EphemerisBuffer, plot.days.back().ephemerisText);
        }
    }
}

TEST_F(Form9Test, TypedCentralDateMovesThePlotAndTodayKeepsIt) {
    Form9Cycles& form = OpenAfterBirth();
    Choose(form, "mnuLunavenus");
    for (const char* answer : {"2020", "03", "01"})
        dialogs_.PushText(QString::fromUtf8(answer));
    Choose(form, "mnuFecha");
    ASSERT_EQ(dialogs_.Asked().size(), 3u);
    EXPECT_EQ(dialogs_.Asked()[0].text, QStringLiteral("introducir año "));
    EXPECT_EQ(dialogs_.Asked()[2].title, QStringLiteral("Fecha central"));
    EXPECT_EQ(State().EntryDate, U"20200301");
    EXPECT_EQ(LabelText("Label2"), QStringLiteral("01 / 03 / 2020"));
    EXPECT_EQ(LabelText("Label1"), QString());
    ExpectGridOnly();

    const CyclePlot plot = Expected(4, 2, 1);
    Choose(form, "mnuLunavenus");
    ExpectPlot(plot);

    // Today keeps the plot and draws the grid over it, as opening "&Fecha" did.
    Choose(form, "mnuHoy");
    EXPECT_EQ(State().EntryDate, TodayEntryDate(QDate::currentDate()));
    EXPECT_EQ(LabelText("Label2"),
              ToQt(cp::Mid(State().EntryDate, 7, 2) + U" / " + cp::Mid(State().EntryDate, 5, 2) + U" / " +
                   cp::Mid(State().EntryDate, 1, 4)));
    EXPECT_EQ(Circles(0.1).size(), 31u);
    EXPECT_EQ(Lines().size(), 37u);  // every grid drawn over itself is one grid in the list
    EXPECT_FALSE(dialogs_.Failed());
}

// An exported plot says what it shows: its cycle and the central date it was drawn around, which a
// later "Hoy" changes in the window but not in the plot.
TEST_F(Form9Test, AnExportedPlotSaysItsCycleAndCentralDate) {
    Form9Cycles& form = OpenAfterBirth();
    Choose(form, "mnuLunavenus");
    Choose(form, "mnuHoy");
    const QString svg = ExportedSvg(form);
    EXPECT_TRUE(svg.contains(QString::fromUtf8("Ciclo  Luna - Venus")));
    EXPECT_TRUE(svg.contains(QStringLiteral("Fecha central: 10 / 01 / 2002")));
}

TEST_F(Form9Test, CoincidenceReportFillsText1AsTheCoreWritesIt) {
    Form9Cycles& form = OpenAfterBirth();
    Choose(form, "mnuLunavenus");
    const std::size_t drawn = Drawing().List().size();
    Program copy = State();
    const cp::Text expected = JoinLines(CoincidenceLines(copy, session_->ephemeris));
    Choose(form, "mnuCoincidencias");
    QPlainTextEdit* text = Text1();
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(LabelText("Label1"), QStringLiteral("Aspectos coincidentes con los natales"));
    EXPECT_EQ(text->toPlainText(), Caption(expected));
    EXPECT_EQ(Drawing().List().size(), drawn);  // the plot under the report stays
    EXPECT_EQ(State().EphemerisBuffer, copy.EphemerisBuffer);
    OpenMenu(form, "mnuSol");
    EXPECT_FALSE(text->isVisible());

    // On the birth date nearly every angle comes back: a report longer than the box is shown from
    // its first line.
    AssignFixed(State().EntryDate, U"20011205");
    Choose(form, "mnuCoincidencias");
    ASSERT_GT(text->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
}

TEST_F(Form9Test, MissingEphemerisIsToldAndChangesNothing) {
    Form9Cycles& form = OpenAfterBirth();
    Choose(form, "mnuLunavenus");
    const auto dots = [this] {
        std::vector<surface::Point> centres;
        for (const surface::Primitive& c : Circles(0.1))
            centres.push_back(c.a);
        return centres;
    };
    const std::vector<surface::Point> plot = dots();
    const cp::Text buffer = State().EphemerisBuffer;
    std::filesystem::remove(folder_ / "efemerides.txt");
    Choose(form, "mnuLunamercurio");
    Choose(form, "mnuCoincidencias");
    ASSERT_EQ(dialogs_.Asked().size(), 2u);
    for (const auto& asked : dialogs_.Asked()) {
        EXPECT_TRUE(asked.text.contains(QStringLiteral("efemerides.txt"))) << asked.text.toStdString();
        EXPECT_EQ(asked.title, QStringLiteral("Fecha central"));
    }
    EXPECT_EQ(dots(), plot);  // opening "&Luna" only drew the grid over it
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
