#include "rorev/form1_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "conceptplane/template.h"
#include "conceptplane/zoom_box.h"
#include "rorev/form2_levels.h"
#include "rorev/form3_details.h"
#include "rorev/form6_structure.h"
#include "rorev/help_windows.h"
#include "rorev/widget_colours.h"
#include "surface/accessibility.h"
#include "surface/choice_list.h"
#include "surface/export_menu.h"
#include "surface/fonts.h"
#include "surface/picture_widget.h"
#include "surface/whole_items.h"

namespace rorev {

namespace {

// The client area the design fills, in twips.
constexpr int kClientWidth = 9000, kClientHeight = 5900;

constexpr TwipsRect kPicture1{3360, 360, 5415, 5415};
constexpr TwipsRect kPicture2{240, 480, 2355, 2355};
constexpr TwipsRect kCommand2{480, 120, 255, 255};
constexpr TwipsRect kLabel2{960, 120, 975, 255};
constexpr TwipsRect kCommand3{2160, 120, 255, 255};
constexpr TwipsRect kLabel1{4320, 0, 3615, 375};
constexpr TwipsRect kList1{600, 3120, 1635, 1620};
constexpr TwipsRect kText3{120, 5040, 1215, 285};
constexpr TwipsRect kText4{1440, 5040, 1215, 285};
constexpr TwipsRect kText1{120, 5400, 1215, 285};
constexpr TwipsRect kText2{1440, 5400, 1215, 285};

constexpr surface::Rgb kZoomBoxGround = surface::RGB(255, 255, 192);
const QColor kModeText(192, 192, 255);
const surface::Font kZoomBoxFont{"MS Sans Serif", 8, false, false};

QLineEdit* MakeReadout(QWidget* parent, const char* name, const char* designText) {
    auto* box = new QLineEdit(designText, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFont(surface::DesignFont("MS Sans Serif", 8.25, false, false));
    SetColours(box, Qt::black, Qt::white);
    return box;
}

QPushButton* MakeZoomButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(surface::DesignFont("MS Sans Serif", 8.25, true, false));
    SetButtonFace(button);
    return button;
}

}  // namespace

Form1::Form1(cp::ConceptTable concepts)
    : form2_(std::make_unique<Form2>(state_.concepts, this)),
      form3_(std::make_unique<Form3>()),
      form4_(std::make_unique<Form4>()),
      form5_(std::make_unique<Form5>()),
      form6_(std::make_unique<Form6>(this)) {
    state_.concepts = std::move(concepts);
    setObjectName("Form1");
    setWindowTitle("Selvane");
    BuildControls();
    BuildMenus();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::BuildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    SetColours(client, Qt::white, Qt::black);

    picture1_ = new surface::PictureWidget(client);
    picture1_->setObjectName("Picture1");
    picture1_->Surface().SetBackColour(surface::kBlack);
    picture1_->Surface().SetForeColour(cp::kPlaneFore);
    layout_.Add(picture1_, kPicture1, cp::kTemplateScale, cp::kTemplateScale);
    surface::DescribePicture(picture1_, "Plantilla de conceptos",
                             "El plano circular de los conceptos: el clic izquierdo añade un punto y el "
                             "derecho muestra el resultado");
    connect(picture1_, &surface::PictureWidget::mouseMove, this,
            [this](int button, double x, double y) { Picture1_MouseMove(button, x, y); });
    connect(picture1_, &surface::PictureWidget::mouseDown, this,
            [this](int button, double x, double y) { Picture1_MouseDown(button, x, y); });

    picture2_ = new surface::PictureWidget(client);
    picture2_->setObjectName("Picture2");
    picture2_->Surface().SetBackColour(kZoomBoxGround);
    picture2_->Surface().SetForeColour(surface::kBlack);
    picture2_->Surface().SetFont(kZoomBoxFont);
    layout_.Add(picture2_, kPicture2, cp::kZoomBoxSize, cp::kZoomBoxSize);
    surface::DescribePicture(picture2_, "Recuadro de ampliación",
                             "Los conceptos alrededor del punto que señala el ratón");

    command2_ = MakeZoomButton(client, "Command2", "-");
    command3_ = MakeZoomButton(client, "Command3", "+");
    layout_.Add(command2_, kCommand2);
    layout_.Add(command3_, kCommand3);
    connect(command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(command3_, &QPushButton::clicked, this, [this] { Command3_Click(); });

    label2_ = new QLabel("Zoom", client);
    label2_->setObjectName("Label2");
    label2_->setAlignment(Qt::AlignCenter);
    label2_->setFont(surface::DesignFont("MS Sans Serif", 8.25, false, false));
    SetColours(label2_, Qt::white, Qt::black);
    layout_.Add(label2_, kLabel2);

    label1_ = new QLabel(client);
    label1_->setObjectName("Label1");
    label1_->setTextFormat(Qt::PlainText);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setFont(surface::DesignFont("MS Sans Serif", 12, true, false));
    SetColours(label1_, kModeText, Qt::black);
    label1_->hide();
    layout_.Add(label1_, kLabel1);

    list1_ = new surface::ChoiceList(client);
    list1_->setObjectName("List1");
    list1_->setFont(surface::DesignFont("MS Sans Serif", 8.25, false, false));
    SetColours(list1_, Qt::black, Qt::white);
    list1_->hide();
    layout_.Add(list1_, kList1);
    surface::KeepItemsWhole(list1_);
    connect(list1_, &surface::ChoiceList::chosen, this, [this](const QString& name) { List1_Click(name); });

    text3_ = MakeReadout(client, "Text3", " Grados = ");
    text4_ = MakeReadout(client, "Text4", " Radio =");
    text1_ = MakeReadout(client, "Text1", " X =");
    text2_ = MakeReadout(client, "Text2", " Y =");
    layout_.Add(text3_, kText3);
    layout_.Add(text4_, kText4);
    layout_.Add(text1_, kText1);
    layout_.Add(text2_, kText2);
}

void Form1::BuildMenus() {
    QMenuBar* bar = menuBar();
    const auto item = [this](auto* owner, const char* name, const char* caption, auto handler) {
        QAction* action = owner->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    const auto submenu = [bar](const char* name, const char* caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        return menu;
    };
    QMenu* buscar = submenu("mnuBuscar", "&Localizar concepto");
    item(buscar, "mnuNodescr", "&Sin descripción", [this] { FillConceptList(false); });
    item(buscar, "mnuDescr", "&Con descripción", [this] { FillConceptList(true); });
    item(bar, "mnuSumar", "&Sumar conceptos", [this] { ChooseMode(cp::PlaneMode::Sum); });
    item(bar, "mnuRestar", "Concepto &restante", [this] { ChooseMode(cp::PlaneMode::Remainder); });
    item(bar, "mnuRecta", "&Conceptos en la recta", [this] { ChooseMode(cp::PlaneMode::Line); });
    item(bar, "mnuConceptos", "&Ver conceptos por niveles", [this] { ShowInPlaceOf(form2_.get()); });
    item(bar, "mnuEstructura", "&Estructura", [this] { ShowInPlaceOf(form6_.get()); });
    QMenu* ayuda = submenu("mnuAyuda", "&Ayuda");
    item(ayuda, "mnuDescripcion", "&Descripción de la rorev", [this] { form5_->ShowInFront(); });
    item(ayuda, "mnuInstrucciones", "&Instrucciones de uso", [this] { form4_->ShowInFront(); });
    item(bar, "mnuSalir", "Salir del &programa", [this] { mnuSalir_Click(); });
    surface::AddExportMenu(this, QString(), [this] { return surface::ExportList{&picture1_->Surface()}; });
}

// Plane view and workspace start at zoom 1 and no mode (their constructors); the file was opened by
// the caller. The window opens fitted to its design, widened only as far as the menu bar needs.
void Form1::Form_Load() {
    const double designWidth = ClientWidthPixels(this, kClientWidth);
    const double menuWidth = menuBar()->sizeHint().width();
    SizeClientTwips(this, kClientWidth, kClientHeight, std::max(1.0, menuWidth / designWidth));
    UpdateZoomTooltip();
    Form_Resize();
}

// Every control, and the hidden levels and structure views, at the design geometry times the
// width ratio; the pictures keep their user scales.
void Form1::Form_Resize() {
    const double designWidth = ClientWidthPixels(this, kClientWidth);
    if (width() <= 0 || designWidth <= 0) return;
    const double ratio = width() / designWidth;
    layout_.Apply(ratio);
    form2_->ScaleLayout(ratio);
    form6_->ScaleLayout(ratio);
    DrawTemplate();
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    mnuSalir_Click();
}

void Form1::mnuSalir_Click() {
    for (QWidget* w : {static_cast<QWidget*>(form2_.get()), static_cast<QWidget*>(form3_.get()),
                       static_cast<QWidget*>(form4_.get()), static_cast<QWidget*>(form5_.get()),
                       static_cast<QWidget*>(form6_.get()), static_cast<QWidget*>(this)})
        w->hide();
    QCoreApplication::quit();
}

}  // namespace rorev
