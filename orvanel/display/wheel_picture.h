// A picture box that shows a chart wheel: user scale 5120 by 5120, white on black, the symbol font.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace surface {
class PictureWidget;
}

namespace orvanel {

// `Picture1` of `parent`, at its design geometry in twips, printing in Astrol of `astrolPoints`; `name`
// and `description` are what screen readers say of it.
surface::PictureWidget* AddWheelPicture(QWidget* parent, QRect twips, double astrolPoints,
                                        const QString& name, const QString& description);

}  // namespace orvanel
