#include "rorev/form3_details.h"

#include <QLabel>

#include "rorev/design_layout.h"
#include "rorev/widget_colours.h"
#include "surface/fonts.h"
#include "surface/twips.h"

namespace rorev {

namespace {
const QColor kPaleYellow(255, 255, 192);
constexpr TwipsRect kLabel1{200, 200, 3800, 2700};
}  // namespace

Form3::Form3() : label1_(new QLabel(this)) {
    setObjectName("Form3");
    setWindowTitle("Detalles del concepto");
    SetColours(this, Qt::black, kPaleYellow);
    label1_->setObjectName("Label1");
    label1_->setTextFormat(Qt::PlainText);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setFont(surface::DesignFont("MS Sans Serif", 8.25, false, false));
    SetColours(label1_, Qt::black, kPaleYellow);
    surface::PlaceTwips(label1_, kLabel1.left, kLabel1.top, kLabel1.width, kLabel1.height);
    SizeClientTwips(this, kLabel1.left * 2 + kLabel1.width, kLabel1.top * 2 + kLabel1.height, 1.0);
}

}  // namespace rorev
