// The symbol font draws a real glyph for every glyph character, and the design fonts resolve to the
// installed substitutes.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>

#include "surface/fonts.h"

using surface::DesignFont;

TEST(Fonts, AstrolHasEveryGlyphAndTheDesignFontsResolveToTheirSubstitutes) {
    ASSERT_TRUE(surface::LoadFonts());
    const QRawFont raw = QRawFont::fromFont(DesignFont("Astrol", 12, false, false));
    ASSERT_EQ(raw.familyName(), "Astrol");
    const QString glyphs = QStringLiteral("abcdefghijklWzABCDEFGHIJKLmnopqrstuvwxMNOPRy");
    const QList<quint32> indexes = raw.glyphIndexesForString(glyphs);
    ASSERT_EQ(indexes.size(), glyphs.size());
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        EXPECT_NE(indexes[i], 0u) << glyphs[i].toLatin1();
        EXPECT_FALSE(raw.pathForGlyph(indexes[i]).isEmpty()) << glyphs[i].toLatin1();
    }
    EXPECT_EQ(raw.glyphIndexesForString("Q").value(0), 0u);  // no glyph outside the strings

    const struct {
        const char* design;
        QStringList accepted;
    } cases[] = {
        {"Monotype Corsiva", {"TeX Gyre Chorus", "Z003"}},
        {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
        {"Small Fonts", {"Liberation Sans", "DejaVu Sans"}},
        {"arial", {"Liberation Sans", "Nimbus Sans"}},
        {"Courier", {"Liberation Mono", "Nimbus Mono PS"}},
    };
    for (const auto& c : cases) {
        const QFont font = DesignFont(c.design, 9.75, true, true);
        EXPECT_TRUE(c.accepted.contains(QFontInfo(font).family())) << c.design;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
        EXPECT_TRUE(font.bold() && font.italic());
    }
    EXPECT_TRUE(QFontInfo(DesignFont("Courier", 10, false, false)).fixedPitch());
    // A font of no size (a design that gives none) takes the design's usual 8.25 points.
    const QFont unsized = DesignFont(surface::Font{"MS Sans Serif", 0, false, false});
    EXPECT_EQ(unsized.families().value(0), "Liberation Sans");
    EXPECT_DOUBLE_EQ(unsized.pointSizeF(), 8.25);
}
