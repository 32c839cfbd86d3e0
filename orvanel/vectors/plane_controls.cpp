#include "orvanel/vectors/plane_controls.h"

#include <QListWidget>
#include <QPushButton>

#include "conceptplane/plane_view.h"
#include "conceptplane/template.h"
#include "conceptplane/zoom_box.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/vectors/chart_layer.h"
#include "surface/accessibility.h"
#include "surface/dialogs.h"
#include "surface/fonts.h"
#include "surface/picture_widget.h"
#include "surface/twips.h"

namespace orvanel {

namespace {

surface::PictureWidget* AddPicture(QWidget* parent, const char* name, QRect twips, double scale) {
    auto* picture = new surface::PictureWidget(parent);
    picture->setObjectName(QLatin1String(name));
    picture->SetDesignGeometry(twips.left(), twips.top(), twips.width(), twips.height());
    picture->Surface().SetScale(0, 0, scale, scale);
    return picture;
}

}  // namespace

surface::PictureWidget* AddPlanePicture(QWidget* parent, const char* name, QRect twips, double astrolPoints) {
    surface::PictureWidget* picture = AddPicture(parent, name, twips, cp::kTemplateScale);
    SetUpPlaneSurface(picture->Surface(), astrolPoints);
    surface::DescribePicture(
        picture, QStringLiteral("Plantilla de conceptos"),
        QStringLiteral("El plano circular de los conceptos con los vectores de la carta: "
                       "el clic izquierdo añade un punto y el derecho muestra el resultado"));
    return picture;
}

surface::PictureWidget* AddZoomBox(QWidget* parent, const char* name, QRect twips) {
    surface::PictureWidget* box = AddPicture(parent, name, twips, cp::kZoomBoxSize);
    surface::DrawingSurface& s = box->Surface();
    s.SetBackColour(cp::kPlaneFore);
    s.SetForeColour(surface::kBlack);
    s.SetFont(surface::Font{"MS Sans Serif", 8, false, false});
    surface::DescribePicture(box, QStringLiteral("Recuadro de ampliación"),
                             QStringLiteral("Los conceptos alrededor del punto que señala el ratón"));
    return box;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect twips,
                       std::function<void()> click) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(surface::DesignFont(QStringLiteral("MS Sans Serif"), 13.5, true, false));
    surface::PlaceTwips(button, twips.left(), twips.top(), twips.width(), twips.height());
    QObject::connect(button, &QPushButton::clicked, button, [click = std::move(click)] { click(); });
    return button;
}

void ShowAddPointOutcome(const cp::AddPointOutcome& outcome, const QString& caption, QListWidget* lineList) {
    if (outcome.refusal) {
        surface::UseDialogs().Message(QString::fromStdString(*outcome.refusal), caption,
                                      surface::Buttons::Ok);
    }
    if (outcome.onLine) {
        FillList(lineList, *outcome.onLine);
        lineList->show();
        lineList->raise();
    }
}

}  // namespace orvanel
