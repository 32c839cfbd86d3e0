#include "orvanel/cycles/form9_cycles.h"

#include <QDate>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <array>
#include <utility>

#include "orvanel/cycles/central_date.h"
#include "orvanel/cycles/coincidence_report.h"
#include "orvanel/cycles/cycle_plot.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/fault_guard.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "surface/accessibility.h"
#include "surface/dialogs.h"
#include "surface/export_menu.h"
#include "surface/fonts.h"
#include "surface/picture_widget.h"
#include "surface/twips.h"

namespace orvanel {

namespace {

const QString kCaption = QString::fromUtf8(kCentralDateCaption);

// The plot frame in the window's scale of 32 by 150: one unit per day across, heights 25..125.
constexpr double kFirstDay = 1, kLastDay = 31, kCentralDay = 16;
constexpr double kTop = 25, kBottom = 125, kMiddle = 75;
constexpr double kDotRadius = 0.1, kMarkRadius = 0.3;

surface::PictureWidget* AddDrawingArea(QWidget* client) {
    auto* area = new surface::PictureWidget(client);
    area->setObjectName(QStringLiteral("Picture"));
    area->SetDesignGeometry(0, 0, 11880, 8310);
    surface::DrawingSurface& s = area->Surface();
    s.SetScale(0, 0, 32, 150);
    s.SetBackColour(surface::kBlack);
    s.SetForeColour(surface::kWhite);
    surface::DescribePicture(
        area, QStringLiteral("Gráfico del ciclo planetario"),
        QStringLiteral("Los 31 días alrededor de la fecha central, un punto por día a la "
                       "altura del ángulo entre los dos astros; los puntos grandes "
                       "repiten el ángulo de la carta natal"));
    return area;
}

QLabel* AddTitleLabel(QWidget* client, const char* name, QRect twips, const QFont& font, QColor fore) {
    QLabel* label = AddLabel(client, name, QString(), twips, font, fore, Align::Centre);
    SetBackColour(label, Qt::black);
    label->setWordWrap(false);
    return label;
}

QPlainTextEdit* AddReportBox(QWidget* client) {
    auto* box = new QPlainTextEdit(client);
    box->setObjectName(QStringLiteral("Text1"));
    box->setFont(surface::DesignFont(QStringLiteral("Courier"), 12, false, false));
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(192, 255, 255));
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    surface::PlaceTwips(box, 3488, 1650, 4905, 3855);
    box->hide();
    return box;
}

cp::Text Prompt(const char* prompt, const char* defaultText) {
    return FromQt(
        surface::UseDialogs().Prompt(QString::fromUtf8(prompt), kCaption, QString::fromUtf8(defaultText)));
}

}  // namespace

Form9Cycles::Form9Cycles(Windows& windows) : WorkingWindow(windows, "Form9", 11880, 8310) {
    setWindowTitle(QStringLiteral("Form9"));
    QWidget* client = Client();
    picture_ = AddDrawingArea(client);
    label1_ = AddTitleLabel(client, "Label1", {1088, 615, 9705, 555},
                            surface::DesignFont(QStringLiteral("MS Sans Serif"), 24, true, true),
                            QColor(128, 255, 255));
    label2_ =
        AddTitleLabel(client, "Label2", {3338, 7200, 5205, 360},
                      surface::DesignFont(QStringLiteral("Courier"), 12, false, true), QColor(192, 192, 192));
    text1_ = AddReportBox(client);

    QMenu* date = AddMenu("mnuF", "&Fecha");
    date->addAction(QStringLiteral("&Hoy"), this, [this] { mnuHoy_Click(); })->setObjectName("mnuHoy");
    date->addAction(QStringLiteral("&Introducir fecha"), this, [this] { mnuFecha_Click(); })
        ->setObjectName("mnuFecha");
    AddMenuItem("mnuCoincidencias", QStringLiteral("&Coincidencias"), [this] { mnuCoincidencias_Click(); });
    AddCycleItems(AddMenu("mnuSol", "&Sol"), kSunItems.begin(), kSunItems.end());
    AddCycleItems(AddMenu("mnuLuna", "&Luna"), kMoonItems.begin(), kMoonItems.end());
    AddMenuItem("mnuVolver", QStringLiteral("&Volver"), [this] { mnuVolver_Click(); });
    surface::AddExportMenu(
        this, QString(), [this] { return surface::ExportList{&picture_->Surface()}; },
        [this] {
            return surface::ExportNotes{plotNotes_, {}};
        });
}

// Opening one of these menus redraws the grid over what is shown, as it always did.
QMenu* Form9Cycles::AddMenu(const char* name, const char* caption) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    connect(menu, &QMenu::aboutToShow, this, [this] { reticula(); });
    return menu;
}

void Form9Cycles::AddCycleItems(QMenu* menu, const CycleItem* first, const CycleItem* last) {
    for (const CycleItem* item = first; item != last; ++item) {
        QAction* action =
            menu->addAction(QString::fromUtf8(item->caption), this, [this, item] { PlotItem(*item); });
        action->setObjectName(QLatin1String(item->name));
    }
}

void Form9Cycles::SetSubjectTitle() {
    const ChartSlot& natal = SlotAt(windows_.State().program, 1);
    setWindowTitle(ToQt(U"Ciclos planetarios de  " + natal.title + U" ( " + natal.dateText + U" )"));
}

void Form9Cycles::ShowCentralDate() {
    const cp::Text& d = windows_.State().program.EntryDate;
    SetCaption(label2_, cp::Mid(d, 7, 2) + U" / " + cp::Mid(d, 5, 2) + U" / " + cp::Mid(d, 1, 4));
}

bool Form9Cycles::ciclo(std::int16_t a, std::int16_t b, std::int16_t mode) {
    Session& session = windows_.State();
    CyclePlot plot;
    if (!RunGuarded(kCaption, [&] { plot = ComputeCycle(session.program, session.ephemeris, a, b, mode); }))
        return false;
    surface::DrawingSurface& s = picture_->Surface();
    s.Clear();
    reticula();
    for (const CycleDay& day : plot.days) {
        const surface::Point at{day.offset + kCentralDay, day.y};
        s.Circle(at, kDotRadius, surface::kWhite);
        if (day.mark) s.Circle(at, kMarkRadius, surface::kWhite);
    }
    return true;
}

void Form9Cycles::reticula() {
    text1_->hide();
    surface::DrawingSurface& s = picture_->Surface();
    s.SetDrawStyle(surface::kDotted);
    for (int i = 0; kFirstDay + i <= kLastDay; ++i)
        s.LineAbs({kFirstDay + i, kTop}, {kFirstDay + i, kBottom});
    s.SetDrawStyle(surface::kSolid);
    using Segment = std::pair<surface::Point, surface::Point>;
    const std::array<Segment, 6> frame = {{
        {{kFirstDay, kTop}, {kLastDay, kTop}},
        {{kFirstDay, kBottom}, {kLastDay, kBottom}},
        {{kFirstDay, kTop}, {kFirstDay, kBottom}},
        {{kLastDay, kTop}, {kLastDay, kBottom}},
        {{kCentralDay, kTop}, {kCentralDay, kBottom}},
        {{kLastDay, kMiddle}, {kFirstDay, kMiddle}},
    }};
    for (const Segment& line : frame)
        s.LineAbs(line.first, line.second);
}

void Form9Cycles::PlotItem(const CycleItem& item) {
    if (!ciclo(item.a, item.b, item.mode)) return;
    label1_->setText(QString::fromUtf8(item.title));
    plotNotes_ = QStringList{label1_->text(), QStringLiteral("Fecha central: ") + label2_->text()};
}

void Form9Cycles::Form_Activate() {
    reticula();
}

void Form9Cycles::mnuHoy_Click() {
    AssignFixed(windows_.State().program.EntryDate, TodayEntryDate(QDate::currentDate()));
    ShowCentralDate();
    reticula();
}

// A year, month or day beyond 16 bits is refused here, before it replaces the central date.
void Form9Cycles::mnuFecha_Click() {
    const cp::Text year = Prompt("introducir año ", "aaaa");
    const cp::Text month = Prompt("introducir mes ", "mm");
    const cp::Text day = Prompt("introducir día ", "dd");
    const cp::Text typed = TypedEntryDate(year, month, day);
    if (!RunGuarded(kCaption, [&] { CentralDateOf(typed); })) return;
    AssignFixed(windows_.State().program.EntryDate, typed);
    ShowCentralDate();
    picture_->Surface().Clear();
    plotNotes_.clear();
    reticula();
    label1_->clear();
}

void Form9Cycles::mnuCoincidencias_Click() {
    Session& session = windows_.State();
    std::vector<cp::Text> lines;
    if (!RunGuarded(kCaption, [&] { lines = CoincidenceLines(session.program, session.ephemeris); })) return;
    label1_->setText(ToQt(kCoincidenceTitle));
    text1_->show();
    text1_->raise();
    text1_->clear();
    text1_->repaint();
    for (const cp::Text& line : lines)
        AppendReportLine(ToQt(line));
    // Grown line by line at its end, the report is then read from its first line.
    text1_->moveCursor(QTextCursor::Start);
}

// The report grows on the screen one line at a time.
void Form9Cycles::AppendReportLine(const QString& line) {
    QString text = line;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text1_->moveCursor(QTextCursor::End);
    text1_->insertPlainText(text);
    text1_->repaint();
}

void Form9Cycles::mnuVolver_Click() {
    switch (windows_.State().program.ReturnWindow) {
        case 3:
            windows_.Move(WindowId::Cycles, WindowId::Chart);
            break;
        case 4:
            windows_.ShowSynastry(WindowId::Cycles);
            break;
        default:  // 2, and any value no entry sets: never leave the program without a window
            windows_.ShowMainMenu(WindowId::Cycles);
            break;
    }
}

}  // namespace orvanel
