#include "surface/picture_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "surface/accessibility.h"
#include "surface/paint_list.h"
#include "surface/twips.h"

namespace surface {

namespace {
int ButtonsHeld(Qt::MouseButtons held) {
    return (held.testFlag(Qt::LeftButton) ? 1 : 0) | (held.testFlag(Qt::RightButton) ? 2 : 0);
}
}  // namespace

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);  // moves are reported with no button held, for the readouts
    setAttribute(Qt::WA_OpaquePaintEvent);
    ExposeAs(this, QAccessible::Graphic);
    // One repaint shows every change made before it, so Qt is asked once until the picture is painted:
    // a zoom box of hundreds of concepts changes hundreds of times in one mouse move.
    surface_.SetOnChange([this] {
        if (repaintAsked_) return;
        repaintAsked_ = true;
        update();
    });
}

void PictureWidget::SetDesignGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) {
    PlaceTwips(this, leftTwips, topTwips, widthTwips, heightTwips);
    surface_.SetDesignPixels(width(), height());
}

Point PictureWidget::ToUser(QPointF pixel) const {
    const UserScale& s = surface_.Scale();
    const double w = width() > 0 ? width() : 1;
    const double h = height() > 0 ? height() : 1;
    return Point{s.left + pixel.x() * s.width / w, s.top + pixel.y() * s.height / h};
}

void PictureWidget::paintEvent(QPaintEvent*) {
    repaintAsked_ = false;
    QPainter painter(this);
    PaintList(surface_, painter, QRectF(rect()));
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    if (event->button() == Qt::LeftButton) button = 1;
    if (event->button() == Qt::RightButton) button = 2;
    if (button == 0) return;
    const Point p = ToUser(event->position());
    emit mouseDown(button, p.x, p.y);
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    const Point p = ToUser(event->position());
    emit mouseMove(ButtonsHeld(event->buttons()), p.x, p.y);
}

void PictureWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace surface
