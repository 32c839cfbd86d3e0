// The picture widget reports mouse presses and moves in its user scale, buttons 1 and 2 only (a
// double click is not a second press), and paints its display list at the screen's device pixels.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "surface/paint_list.h"
#include "surface/picture_widget.h"

using surface::PictureWidget;

namespace {

struct Shown {
    Shown() {
        widget.resize(400, 200);
        widget.Surface().SetScale(1000, 500, 8000, 2000);  // anisotropic, not at the origin
        widget.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
    }
    PictureWidget widget;
    QSignalSpy downs{&widget, &PictureWidget::mouseDown};
    QSignalSpy moves{&widget, &PictureWidget::mouseMove};
};

void ExpectEvent(const QList<QVariant>& args, int button, double x, double y) {
    ASSERT_EQ(args.size(), 3);
    EXPECT_EQ(args[0].toInt(), button);
    EXPECT_DOUBLE_EQ(args[1].toDouble(), x);
    EXPECT_DOUBLE_EQ(args[2].toDouble(), y);
}

}  // namespace

TEST(PictureWidget, PressesAndMovesReportTheButtonAndTheUserPoint) {
    Shown s;
    QTest::mouseClick(&s.widget, Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseClick(&s.widget, Qt::RightButton, {}, QPoint(4, 2));
    QTest::mouseClick(&s.widget, Qt::MiddleButton, {}, QPoint(10, 10));               // not reported
    QTest::mouseDClick(s.widget.windowHandle(), Qt::LeftButton, {}, QPoint(40, 20));  // one press
    ASSERT_EQ(s.downs.size(), 3);
    ExpectEvent(s.downs[0], 1, 3000, 1000);
    ExpectEvent(s.downs[1], 2, 1080, 520);

    // Moves report the buttons held, and follow a resize.
    s.moves.clear();
    QTest::mouseMove(&s.widget, QPoint(200, 100));
    QTest::mousePress(&s.widget, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseMove(&s.widget, QPoint(300, 150));
    QTest::mouseRelease(&s.widget, Qt::LeftButton, {}, QPoint(300, 150));
    s.widget.resize(200, 100);
    QTest::mouseMove(&s.widget, QPoint(100, 25));
    ASSERT_GE(s.moves.size(), 3);
    ExpectEvent(s.moves.first(), 0, 5000, 1500);
    bool sawHeld = false;
    for (const auto& args : s.moves)
        sawHeld = sawHeld || (args[0].toInt() == 1 && args[1].toDouble() == 7000);
    EXPECT_TRUE(sawHeld);
    ExpectEvent(s.moves.last(), 0, 5000, 1000);
}

// On a screen of pixel ratio 2 the widget paints the display list at device pixels: what it shows is
// the list rendered at twice the size, not a picture of its own size enlarged.
TEST(PictureWidget, PaintsAtTheDevicePixelsOfAHighDensityScreen) {
    PictureWidget widget;
    widget.resize(120, 120);
    widget.Surface().SetDesignPixels(120, 120);
    widget.Surface().SetScale(0, 0, 1000, 1000);
    widget.Surface().SetForeColour(surface::kWhite);
    widget.Surface().LineAbs({50, 80}, {950, 300});
    widget.Surface().Circle({500, 500}, 333);
    QImage shown(240, 240, QImage::Format_ARGB32_Premultiplied);
    shown.setDevicePixelRatio(2);
    widget.render(&shown);
    const QImage expected = surface::RenderImage(widget.Surface(), QSize(240, 240));
    int differing = 0;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 240; ++x)
            differing += std::abs(qGray(shown.pixel(x, y)) - qGray(expected.pixel(x, y))) > 64 ? 1 : 0;
    EXPECT_LT(differing, 40);  // an enlarged picture differs along every edge
}
