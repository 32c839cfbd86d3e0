#include "orvanel/display/wheel_picture.h"

#include "orvanel/display/chart_wheel.h"
#include "surface/picture_widget.h"

namespace orvanel {

surface::PictureWidget* AddWheelPicture(QWidget* parent, QRect twips, double astrolPoints) {
    auto* picture = new surface::PictureWidget(parent);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->SetDesignGeometry(twips.left(), twips.top(), twips.width(), twips.height());
    surface::DrawingSurface& s = picture->Surface();
    s.SetScale(0, 0, kWheelScale, kWheelScale);
    s.SetBackColour(surface::kBlack);
    s.SetForeColour(surface::kWhite);
    s.SetFont(surface::Font{"Astrol", astrolPoints, false, false});
    return picture;
}

}  // namespace orvanel
