#include "rorev/form6_structure.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>

#include "conceptplane/structure_view.h"
#include "rorev/qt_text.h"
#include "rorev/widget_colours.h"
#include "surface/accessibility.h"
#include "surface/export_menu.h"
#include "surface/fonts.h"
#include "surface/picture_widget.h"
#include "surface/whole_items.h"

namespace rorev {

namespace {
constexpr int kClientWidth = 8800, kClientHeight = 6300;
constexpr double kStructureScale = 7000;
constexpr TwipsRect kPicture1{105, 150, 6000, 6000};
constexpr TwipsRect kList1{6150, 450, 2520, 5490};
constexpr TwipsRect kLabel1{6165, 135, 2490, 285};
constexpr surface::Rgb kFigureGrey = surface::RGB(224, 224, 224);
const QColor kGreen(0, 255, 0), kYellow(255, 255, 0);
}  // namespace

Form6::Form6(QWidget* mainWindow)
    : mainWindow_(mainWindow),
      picture1_(new surface::PictureWidget),
      list1_(new QListWidget),
      label1_(new QLabel) {
    setObjectName("Form6");
    setWindowTitle("Estructura de la Rorev");
    auto* client = new QWidget;
    setCentralWidget(client);
    SetColours(client, Qt::white, Qt::black);
    client->setFont(surface::DesignFont("Arial", 8.25, false, false));
    for (QWidget* control :
         {static_cast<QWidget*>(picture1_), static_cast<QWidget*>(list1_), static_cast<QWidget*>(label1_)})
        control->setParent(client);

    picture1_->setObjectName("Picture1");
    picture1_->Surface().SetBackColour(surface::kBlack);
    picture1_->Surface().SetForeColour(kFigureGrey);
    picture1_->Surface().SetFont(surface::Font{"Arial", 8.25, false, false});
    layout_.Add(picture1_, kPicture1, kStructureScale, kStructureScale);
    surface::DescribePicture(picture1_, "Estructura de los niveles",
                             "Cada nivel marcado a lo largo de medio meridiano y llevado hasta su nombre");

    list1_->setObjectName("List1");
    list1_->setFont(surface::DesignFont("Courier", 8.25, false, false));
    SetColours(list1_, kGreen, Qt::black);
    layout_.Add(list1_, kList1);
    surface::KeepItemsWhole(list1_);

    label1_->setObjectName("Label1");
    label1_->setTextFormat(Qt::PlainText);
    label1_->setText("       Nivel              Arco      Radio");
    SetColours(label1_, kYellow, Qt::black);
    layout_.Add(label1_, kLabel1);

    QAction* volver = menuBar()->addAction("&Volver");
    volver->setObjectName("mnuVolver");
    connect(volver, &QAction::triggered, this, [this] { mnuVolver_Click(); });
    surface::AddExportMenu(
        this, QString(), [this] { return surface::ExportList{&picture1_->Surface()}; },
        [this] {
            return surface::ExportNotes{{}, TableLines()};
        });
    ScaleLayout(1.0);
}

void Form6::ScaleLayout(double ratio) {
    SizeClientTwips(this, kClientWidth, kClientHeight, ratio);
    layout_.Apply(ratio);
}

// Not cleared first: each activation draws the same figure again over the last one.
void Form6::Form_Activate() {
    const cp::StructureFigure figure = cp::ComputeStructure(picture1_->Surface().Scale().height);
    list1_->clear();
    cp::DrawStructure(picture1_->Surface(), figure);
    for (const cp::StructureLevel& level : figure.levels)
        list1_->addItem(ToQString(level.line));
}

// The table beside the figure: its header and its lines.
QStringList Form6::TableLines() const {
    QStringList lines{label1_->text()};
    for (int row = 0; row < list1_->count(); ++row)
        lines << list1_->item(row)->text();
    return lines;
}

void Form6::mnuVolver_Click() {
    mainWindow_->show();
    hide();
}

bool Form6::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QMainWindow::event(event);
}

void Form6::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

}  // namespace rorev
