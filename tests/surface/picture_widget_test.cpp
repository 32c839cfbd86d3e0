// The picture widget reports mouse presses and moves in its user scale, buttons 1 and 2 only (a
// double click is not a second press), and paints its display list at the screen's device pixels.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "surface/paint_list.h"
#include "surface/picture_widget.h"

using surface::PictureWidget;

namespace {

void ExpectEvent(const QList<QVariant>& args, int button, double x, double y) {
    ASSERT_EQ(args.size(), 3);
    EXPECT_EQ(args[0].toInt(), button);
    EXPECT_DOUBLE_EQ(args[1].toDouble(), x);
    EXPECT_DOUBLE_EQ(args[2].toDouble(), y);
}

}  // namespace

TEST(PictureWidget, ReportsTheButtonAndUserPointAndPaintsAtTheDevicePixels) {
    PictureWidget widget;
    widget.resize(400, 200);
    widget.Surface().SetScale(1000, 500, 8000, 2000);  // anisotropic, not at the origin
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy downs{&widget, &PictureWidget::mouseDown};
    QSignalSpy moves{&widget, &PictureWidget::mouseMove};
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseClick(&widget, Qt::RightButton, {}, QPoint(4, 2));
    QTest::mouseClick(&widget, Qt::MiddleButton, {}, QPoint(10, 10));               // not reported
    QTest::mouseDClick(widget.windowHandle(), Qt::LeftButton, {}, QPoint(40, 20));  // one press
    ASSERT_EQ(downs.size(), 3);
    ExpectEvent(downs[0], 1, 3000, 1000);
    ExpectEvent(downs[1], 2, 1080, 520);

    // Moves report the buttons held, and follow a resize.
    moves.clear();
    QTest::mouseMove(&widget, QPoint(200, 100));
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseMove(&widget, QPoint(300, 150));
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(300, 150));
    widget.resize(200, 100);
    QTest::mouseMove(&widget, QPoint(100, 25));
    ASSERT_GE(moves.size(), 3);
    ExpectEvent(moves.first(), 0, 5000, 1500);
    bool sawHeld = false;
    for (const auto& args : moves)
        sawHeld = sawHeld || (args[0].toInt() == 1 && args[1].toDouble() == 7000);
    EXPECT_TRUE(sawHeld);
    ExpectEvent(moves.last(), 0, 5000, 1000);

    // On a screen of pixel ratio 2 the widget paints the display list at device pixels: what it shows
    // is the list rendered at twice the size, not a picture of its own size enlarged.
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
