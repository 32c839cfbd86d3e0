// A picture box on the screen: owns a DrawingSurface, paints its display list scaled from the user
// scale to the widget's current size, and reports mouse presses and moves in user coordinates.
#pragma once

#include <QWidget>

#include "surface/drawing_surface.h"

namespace surface {

class PictureWidget : public QWidget {
    Q_OBJECT

  public:
    explicit PictureWidget(QWidget* parent = nullptr);

    DrawingSurface& Surface() { return surface_; }
    const DrawingSurface& Surface() const { return surface_; }

    // Places the picture by its design geometry in twips and records that size as the design size
    // against which printed texts are scaled when the picture is resized.
    void SetDesignGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips);

    // A point of the widget in logical pixels, in the user scale of the surface.
    Point ToUser(QPointF pixel) const;

  signals:
    // button: 1 left, 2 right (mouseMove: the buttons held, 1 | 2, 0 for none); x, y in the user scale.
    void mouseDown(int button, double x, double y);
    void mouseMove(int button, double x, double y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // A double click is only a second press for Qt; the picture takes it as nothing.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    DrawingSurface surface_;
    bool repaintAsked_ = false;  // an update asked of Qt and not yet painted
};

}  // namespace surface
