// Prints every glyph character of the symbol font on a picture, each over its letter, and keeps the
// picture as glyph_sheet.png in the build folder, for a look at the symbols.
#include <gtest/gtest.h>

#include <QImage>

#include "surface/fonts.h"
#include "surface/picture_widget.h"

using namespace surface;

TEST(GlyphSheet, PrintsEveryGlyphCharacterOverItsLetter) {
    const std::u32string rows[] = {U"abcdefghijklWz", U"ABCDEFGHIJKL", U"mnopqrstuvwx", U"MNOPRy"};
    PictureWidget widget;
    DrawingSurface& s = widget.Surface();
    s.SetDesignPixels(840, 400);
    widget.resize(1260, 600);  // half as large again as designed: the texts grow with it
    s.SetScale(0, 0, 1400, 1000);
    s.SetBackColour(kWhite);
    s.SetForeColour(kBlack);
    double y = 20;
    for (const std::u32string& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const double x = 20 + 98 * static_cast<double>(i);
            s.SetFont(Font{"Astrol", 20, false, false});
            s.SetCurrent({x, y});
            s.Print(row.substr(i, 1));
            s.SetFont(Font{"MS Sans Serif", 8.25, false, false});
            s.SetCurrent({x + 20, y + 130});
            s.Print(row.substr(i, 1));
        }
        y += 240;
    }
    const QImage sheet = widget.grab().toImage();
    EXPECT_EQ(sheet.size(), QSize(1260, 600) * widget.devicePixelRatio());
    EXPECT_TRUE(sheet.save(QStringLiteral(SURFACE_TEST_OUTPUT_DIR "/glyph_sheet.png")));
}
