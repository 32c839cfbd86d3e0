#include "orvanel/display/wheel_picture.h"

#include "orvanel/display/chart_wheel.h"
#include "surface/accessibility.h"
#include "surface/picture_widget.h"

namespace orvanel {

surface::PictureWidget* AddWheelPicture(QWidget* parent, QRect twips, double astrolPoints,
                                        const QString& name, const QString& description) {
    auto* picture = new surface::PictureWidget(parent);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->SetDesignGeometry(twips.left(), twips.top(), twips.width(), twips.height());
    SetUpWheelSurface(picture->Surface(), astrolPoints);
    surface::DescribePicture(picture, name, description);
    return picture;
}

}  // namespace orvanel
