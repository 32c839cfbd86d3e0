// rorev's pictures: the template with a sum of two concepts, the zoom box and the concept list;
// then the levels view and the structure view.
#include <QAbstractButton>
#include <QApplication>

#include "conceptplane/data_folder.h"
#include "rorev/form1_main.h"
#include "rorev/form2_levels.h"
#include "rorev/form6_structure.h"
#include "rorev/open_concepts.h"
#include "shots.h"
#include "surface/picture_widget.h"
#include "window_steps.h"

namespace manual_shots {

namespace {

// The main window's width at which one pixel of the template is 20 picture units.
constexpr int kWindowWidth = 881;
constexpr double kPlaneCentre = 5300;

// The mouse at a plane point of the template (zoom 1), then optionally a press of `button`.
void AtPlane(surface::PictureWidget& picture, double x, double y, int button = 0) {
    PointAt(picture, kPlaneCentre + x, kPlaneCentre - y, button);
}

}  // namespace

void TakeRorevShots(ShotFolder& folder, const std::filesystem::path& data) {
    rorev::Form1 form1(rorev::OpenConcepts(cp::DataPath(data.string(), "concptos.txt")));
    form1.show();
    form1.resize(kWindowWidth, form1.height());
    QApplication::processEvents();

    auto& picture = Find<surface::PictureWidget>(form1, "Picture1");
    Choose(form1, "mnuSumar");
    AtPlane(picture, 1800, 900, 1);
    AtPlane(picture, -700, 2100, 1);
    AtPlane(picture, 0, 0, 2);
    Choose(form1, "mnuNodescr");
    AtPlane(picture, 1400, 600);
    folder.Save(form1, "rorev");

    Choose(form1, "mnuConceptos");
    rorev::Form2& levels = form1.Levels();
    Find<QAbstractButton>(levels, "Command4").click();
    folder.Save(levels, "rorev-niveles");
    levels.hide();

    Choose(form1, "mnuEstructura");
    rorev::Form6& structure = form1.Structure();
    structure.Form_Activate();
    folder.Save(structure, "rorev-estructura");
    structure.hide();
}

}  // namespace manual_shots
