// The event handlers of the main window: thin, each calls the plane code and fills the controls.
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "conceptplane/concept_description.h"
#include "conceptplane/template.h"
#include "conceptplane/zoom_box.h"
#include "rorev/details_caption.h"
#include "rorev/form1_main.h"
#include "rorev/form2_levels.h"
#include "rorev/form3_details.h"
#include "rorev/form6_structure.h"
#include "rorev/qt_text.h"
#include "surface/choice_list.h"
#include "surface/dialogs.h"
#include "surface/picture_widget.h"
#include "surface/twips.h"

namespace rorev {

namespace {
// Where the details window opens, in twips from the screen's top left.
constexpr int kDetailsLeft = 100, kDetailsTop = 1000;

void SetReadout(QLineEdit* box, const char* label, const cp::Text& value) {
    box->setText(QString::fromUtf8(label) + ToQString(value));
    box->repaint();
}
}  // namespace

cp::PlaneTarget Form1::Target() {
    return cp::PlaneTarget{picture1_->Surface(), state_.view, state_.concepts, {}};
}

void Form1::DrawTemplate() {
    cp::DrawTemplate(picture1_->Surface(), state_.view, state_.workspace);
}

void Form1::UpdateZoomTooltip() {
    const QString separator = QLocale().decimalPoint();
    label2_->setToolTip(
        ToQString(state_.view.ZoomTooltip(separator.isEmpty() ? U',' : separator[0].unicode())));
}

void Form1::Picture1_MouseMove(int, double x, double y) {
    const surface::Point plane = state_.view.PictureToPlane({x, y});
    cp::CurrentPoint& point = state_.workspace.currentPoint;
    point.x = plane.x;
    point.y = plane.y;
    state_.concepts.Refresh();
    cp::ShowZoomBox(picture2_->Surface(), point, state_.concepts, cp::Arithmetic::Rorev);
    const cp::ZoomReadouts readouts = cp::MakeReadouts(point, cp::Arithmetic::Rorev);
    SetReadout(text1_, " X = ", readouts.x);
    SetReadout(text2_, " Y = ", readouts.y);
    SetReadout(text3_, " Grados = ", readouts.angle);
    SetReadout(text4_, " Radio = ", readouts.radius);
}

void Form1::Picture1_MouseDown(int button, double, double) {
    if (button == 1) AddCurrentPoint();
    if (button == 2) {
        Guarded(windowTitle(), [this] {
            cp::PlaneTarget target = Target();
            state_.workspace.ShowResult(target);
        });
    }
}

// AddPoint with what it asks of the window: a refusal told under the mode's caption, the concepts
// on the line shown in the list, the tooltip back to normal view.
void Form1::AddCurrentPoint() {
    Guarded(windowTitle(), [this] {
        cp::PlaneTarget target = Target();
        const cp::AddPointOutcome outcome = state_.workspace.AddPoint(target);
        if (outcome.refusal) {
            surface::UseDialogs().Message(QString::fromStdString(*outcome.refusal),
                                          ToQString(cp::ModeCaption(state_.workspace.planeMode)),
                                          surface::Buttons::Ok);
        }
        if (outcome.zoomReset) UpdateZoomTooltip();
        if (outcome.onLine) {
            list1_->clear();
            for (const cp::Text& name : *outcome.onLine)
                list1_->addItem(ToQString(name));
            list1_->show();
        }
    });
}

void Form1::Command3_Click() {
    if (!state_.view.ZoomIn()) return;
    UpdateZoomTooltip();
    DrawTemplate();
}

void Form1::Command2_Click() {
    if (!state_.view.ZoomOut()) return;
    UpdateZoomTooltip();
    DrawTemplate();
}

void Form1::ChooseMode(cp::PlaneMode mode) {
    list1_->hide();
    label1_->setText(ToQString(cp::ModeCaption(mode)));
    label1_->show();
    cp::PlaneTarget target = Target();
    state_.workspace.ChooseMode(mode, target);
}

void Form1::FillConceptList(bool descriptionsOn) {
    list1_->clear();
    state_.concepts.Refresh();
    for (const cp::ConceptRecord& record : state_.concepts.Records())
        list1_->addItem(ToQString(record.name));
    list1_->show();
    state_.descriptionsOn = descriptionsOn;
}

void Form1::List1_Click(const QString& name) {
    const cp::Text chosen = FromQString(name);
    form3_->hide();
    const std::int32_t n = state_.concepts.FindByName(chosen);
    if (n == 0) return;
    const cp::ConceptRecord& record = state_.concepts.Read(n);
    if (state_.descriptionsOn) {
        form3_->Label1()->setText(WithQtLineBreaks(DetailsCaption(record, cp::DescribeConcept(record))));
        form3_->move(surface::TwipsToPixels(kDetailsLeft, form3_.get()),
                     surface::TwipsToPixels(kDetailsTop, form3_.get()));
        form3_->show();
    }
    state_.workspace.PointAt(record.xValue, record.yValue);
    AddCurrentPoint();
}

// The levels and structure views replace the main window while they are open.
void Form1::ShowInPlaceOf(QWidget* view) {
    view->show();
    view->activateWindow();
    hide();
}

}  // namespace rorev
