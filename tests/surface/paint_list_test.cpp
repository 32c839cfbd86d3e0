// The display list replayed onto images: lines, circles, styles and texts land on the expected pixels;
// SVG and PDF files that cannot be written are told.
#include <gtest/gtest.h>

#include "surface/laid_out_texts.h"
#include "surface/paint_list.h"

using namespace surface;

namespace {

// A 100 x 100 picture of a 1000 x 1000 user scale, black back.
DrawingSurface Picture(double scaleHeight = 1000) {
    DrawingSurface s(kBlack, RGB(255, 0, 0));
    s.SetScale(0, 0, 1000, scaleHeight);
    return s;
}

// How many pixels of `area` are lit.
int LitIn(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) > 40 ? 1 : 0;
    return n;
}

// Bounding box of every lit pixel.
QRect Ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (LitIn(image, QRect(x, y, 1, 1)) > 0) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

TEST(PaintList, LinesCirclesAndTextsLandOnTheirPixelsAndUnwritableFilesAreTold) {
    DrawingSurface s = Picture();
    s.LineAbs({100, 200}, {900, 200});
    s.SetDrawWidth(3);
    s.LineAbs({100, 500}, {900, 500});
    s.SetDrawWidth(1);
    s.SetDrawStyle(kDotted);
    s.LineAbs({100, 800}, {900, 800});
    s.SetDrawStyle(kSolid);
    s.Line(Point{500, 0}, {0, 100}, true, RGB(0, 0, 255));
    const QImage image = RenderImage(s, QSize(100, 100));
    EXPECT_EQ(image.pixel(50, 20), qRgb(255, 0, 0));
    EXPECT_EQ(LitIn(image, {10, 18, 80, 5}), 80);   // rows 18 to 22: the line of width 1 on row 20 alone
    EXPECT_EQ(LitIn(image, {10, 47, 80, 7}), 240);  // width 3: rows 49 to 51
    const int dotted = LitIn(image, {10, 80, 80, 1});
    EXPECT_TRUE(dotted > 15 && dotted < 60) << dotted;
    EXPECT_EQ(image.pixel(50, 5), qRgb(0, 0, 255));  // explicit colour
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));     // back colour

    // Circles stay round in a scale whose y units are twice as large as its x units, and fill.
    DrawingSurface c = Picture(500);
    c.Circle({500, 250}, 300);
    c.SetFillStyle(kFillSolid);
    c.SetFillColour(RGB(0, 255, 0));
    c.Circle({150, 50}, 50, RGB(0, 0, 255));
    const QImage circles = RenderImage(c, QSize(100, 100));
    EXPECT_GT(LitIn(circles, {79, 50, 2, 1}), 0);  // radius 30 pixels both ways
    EXPECT_GT(LitIn(circles, {50, 79, 1, 2}), 0);
    EXPECT_EQ(LitIn(circles, {30, 30, 40, 40}), 0);     // transparent inside
    EXPECT_EQ(circles.pixel(15, 10), qRgb(0, 255, 0));  // filled

    // A file that cannot be written is told (the files written are read back by the programs' tests).
    EXPECT_FALSE(SaveSvg(s, "/nonexistent-folder/picture.svg", QSize(120, 120)));
    EXPECT_FALSE(SavePdf(s, "/nonexistent-folder/picture.pdf", QSize(120, 120)));
    EXPECT_TRUE(RenderImage(s, QSize(0, 0)).isNull());

    // A text hangs from its corner and grows with the picture.
    DrawingSurface t = Picture();
    t.SetDesignPixels(100, 100);
    t.SetFont(Font{"Arial", 12, true, false});
    t.SetCurrent({200, 300});
    t.Print(U"H");
    const QRect small = Ink(RenderImage(t, QSize(100, 100)));
    ASSERT_FALSE(small.isEmpty());
    EXPECT_GE(small.left(), 20);
    EXPECT_LE(small.left(), 23);
    EXPECT_GE(small.top(), 30);
    EXPECT_LE(small.bottom(), 30 + 16);  // 12 points are 16 pixels at design size
    const QRect large = Ink(RenderImage(t, QSize(200, 200)));
    EXPECT_NEAR(large.height(), 2.0 * small.height(), 2.5);
    EXPECT_GE(large.top(), 60);
    // Stretched one way only, it keeps the smaller of the two scales.
    EXPECT_EQ(Ink(RenderImage(t, QSize(100, 200))).height(), small.height());
}

// Texts are laid out once and kept; painted again, or by a painter moved by whole pixels, they give
// the pixels that drawText gives when it lays them out anew.
TEST(PaintList, KeptTextLayoutsPaintWhatDrawTextPaints) {
    const Font fonts[] = {{"MS Sans Serif", 8.25, false, false},
                          {"Arial", 12, true, false},
                          {"Courier", 10, false, false},
                          {"Astrol", 12, false, false},
                          {"Monotype Corsiva", 14, false, true}};
    const std::u32string texts[] = {U" Voluntad firme                ", U"¡Año! Ñandú € ‰ … “x” Œ",
                                    U"abcdefghijklWz", U"a\tb", U"\u0081x"};
    const QSize size(400, 400);
    DrawingSurface s(kBlack, RGB(255, 255, 192));
    s.SetScale(0, 0, size.width(), size.height());
    s.SetDesignPixels(size.width(), size.height());
    for (int i = 0; i < 80; ++i) {  // the last ones run out of the picture
        s.SetFont(fonts[i % std::size(fonts)]);
        s.SetCurrent({3.0 + i * 5.37, 4.0 + i * 6.13});
        s.Print(texts[i % std::size(texts)]);
    }
    // The texts painted from the display list, or laid out anew by drawText, after `pen` and moved by
    // `shift` whole pixels.
    const auto render = [&](bool anew, QPoint shift = {}, const QPen& pen = {}) {
        return RenderImage(
            [&](QPainter& painter, const QRectF& target) {
                painter.fillRect(target, Qt::black);
                painter.translate(shift);
                painter.setPen(pen);
                if (!anew) return PaintList(s, painter, target);
                painter.setRenderHint(QPainter::Antialiasing, true);
                painter.setPen(QColor(255, 255, 192));
                for (const Primitive& p : s.List()) {
                    const SizedFont& font = SizeFont(p.font, p.font.points * 96 / 72, painter.device());
                    painter.setFont(font.font);
                    painter.drawText(QPointF(p.a.x, p.a.y + font.ascent),
                                     QString::fromUcs4(p.text.data(), static_cast<qsizetype>(p.text.size())));
                }
            },
            size);
    };
    const QImage expected = render(true);
    EXPECT_EQ(render(false), expected) << "laid out at the first paint";
    EXPECT_EQ(render(false), expected) << "painted from the kept layouts";
    const QPen circlesPen(QColor(255, 255, 192), 5, Qt::DotLine);  // a circle's pen, in the texts' colour
    EXPECT_EQ(render(false, {}, circlesPen), expected) << "only the pen's colour counts";
    EXPECT_EQ(render(false, {7, 5}), render(true, {7, 5})) << "moved by whole pixels";
}

// Drawn again exactly over itself, a figure replaces itself in the list, which does not grow: it looks
// as after one drawing (antialiased edges do not grow heavier). Anything else drawn
// in between stays, under the figure drawn last.
TEST(PaintList, AFigureDrawnAgainOverItselfLooksAsDrawnOnce) {
    const auto figure = [](DrawingSurface& s) {
        s.Circle({500, 500}, 300);
        s.LineAbs({100, 150}, {900, 700});
        s.SetCurrent({200, 100});
        s.Print(U"Nivel");
    };
    DrawingSurface once = Picture(), twice = Picture(), between = Picture(), underneath = Picture();
    for (DrawingSurface* s : {&once, &twice, &twice, &between})
        figure(*s);
    for (DrawingSurface* s : {&between, &underneath})
        s->Line(Point{0, 500}, {1000, 500}, false, RGB(0, 0, 255));
    figure(between);
    figure(underneath);

    EXPECT_EQ(twice.List(), once.List());
    EXPECT_EQ(between.List(), underneath.List());
}
