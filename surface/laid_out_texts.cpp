#include "surface/laid_out_texts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <functional>
#include <unordered_map>
#include <vector>

#include "surface/fonts.h"

namespace surface {

namespace {

// Each cache starts afresh beyond this many entries: a generous bound for the largest concept file.
constexpr std::size_t kMostKept = 65536;

struct FontKey {
    Font design;
    double pixels;
    int dpi;
    friend bool operator==(const FontKey&, const FontKey&) = default;
};

struct TextKey {
    std::u32string text;
    const SizedFont* font;  // an entry of the font cache, which is only ever emptied with this one
};

// A key to look up without copying the text.
struct TextView {
    std::u32string_view text;
    const SizedFont* font;
};

std::size_t Mix(std::size_t seed, std::size_t value) {
    return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

struct FontKeyHash {
    std::size_t operator()(const FontKey& k) const {
        std::size_t h = std::hash<std::string>()(k.design.family);
        h = Mix(h, std::hash<double>()(k.design.points));
        h = Mix(h, static_cast<std::size_t>(k.design.bold) * 2 + static_cast<std::size_t>(k.design.italic));
        h = Mix(h, std::hash<double>()(k.pixels));
        return Mix(h, std::hash<int>()(k.dpi));
    }
};

struct TextKeyHash {
    using is_transparent = void;
    std::size_t operator()(const TextView& k) const {
        return Mix(std::hash<std::u32string_view>()(k.text), std::hash<const void*>()(k.font));
    }
    std::size_t operator()(const TextKey& k) const { return (*this)(TextView{k.text, k.font}); }
};

struct TextKeyEqual {
    using is_transparent = void;
    static TextView View(const TextKey& k) { return {k.text, k.font}; }
    static TextView View(const TextView& k) { return k; }
    template <typename A, typename B>
    bool operator()(const A& a, const B& b) const {
        return View(a).font == View(b).font && View(a).text == View(b).text;
    }
};

// The glyphs of a run that leave ink, where the ink starts and how far it reaches around the
// baseline: what lets a paint leave out the glyphs that fall outside the picture.
struct InkRun {
    QGlyphRun run;
    std::vector<double> left;  // each glyph's ink, from the start of the text
    double top = 0, bottom = 0;
};

// Beyond the ink's box, the pixels a glyph image may still touch (its margin, and rounding).
constexpr double kInkMargin = 4;

struct Caches {
    std::unordered_map<FontKey, SizedFont, FontKeyHash> fonts;
    std::unordered_map<TextKey, std::vector<InkRun>, TextKeyHash, TextKeyEqual> texts;
    const QCoreApplication* application = nullptr;
};

void ClearCaches();

// Layouts hold font engines, which must go before the application's font database does, and which
// a font added later could change: the caches are emptied then.
Caches& TheCaches() {
    static Caches caches;
    if (caches.application != QCoreApplication::instance()) {
        caches.fonts.clear();
        caches.texts.clear();
        caches.application = QCoreApplication::instance();
        qAddPostRoutine(ClearCaches);
        if (qGuiApp) QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp, ClearCaches);
    }
    return caches;
}

void ClearCaches() {
    Caches& caches = TheCaches();
    caches.texts.clear();
    caches.fonts.clear();
}

// Characters whose glyphs a line layout places as drawText does: Latin letters, digits, punctuation
// and symbols, left to right. Controls, tabs, soft hyphens, separators and joiners, bidirectional
// marks and scripts that combine or run right to left are left to drawText.
bool Plain(char32_t c) {
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0x2FF && c != 0xAD) ||
           (c >= 0x2010 && c <= 0x2027) || (c >= 0x2030 && c <= 0x205E) || (c >= 0x20A0 && c <= 0x20CF) ||
           (c >= 0x2100 && c <= 0x214F);
}

// The text laid out as one line, its glyphs placed relative to the baseline at x = 0. Glyphs without
// ink (blanks) are left out; the others keep the places the whole line gives them.
std::vector<InkRun> LayOut(const SizedFont& font, const std::u32string& text, const QPaintDevice* device) {
    QTextLayout layout(QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())), font.font,
                       device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    std::vector<InkRun> runs;
    for (const QGlyphRun& laid : layout.glyphRuns()) {
        InkRun ink;
        QList<quint32> glyphs;
        QList<QPointF> positions;
        for (qsizetype i = 0; i < laid.glyphIndexes().size(); ++i) {
            const QRectF box = laid.rawFont().boundingRect(laid.glyphIndexes()[i]);
            if (box.isEmpty()) continue;
            const QPointF at(laid.positions()[i].x(), laid.positions()[i].y() - line.ascent());
            glyphs.push_back(laid.glyphIndexes()[i]);
            positions.push_back(at);
            ink.left.push_back(at.x() + box.left());
            ink.top = std::min(ink.top, at.y() + box.top());
            ink.bottom = std::max(ink.bottom, at.y() + box.bottom());
        }
        if (glyphs.isEmpty()) continue;
        ink.run = laid;
        ink.run.setGlyphIndexes(glyphs);
        ink.run.setPositions(positions);
        runs.push_back(std::move(ink));
    }
    return runs;
}

// Draws the glyphs of `ink` that can reach `visible`: a run wholly above or below it is skipped, and
// so are the last glyphs when they start beyond its right side.
void DrawInk(QPainter& painter, const InkRun& ink, QPointF start, const QRectF& visible) {
    if (start.y() + ink.bottom + kInkMargin <= visible.top() ||
        start.y() + ink.top - kInkMargin >= visible.bottom())
        return;
    std::size_t count = ink.left.size();
    while (count > 0 && start.x() + ink.left[count - 1] - kInkMargin >= visible.right())
        --count;
    if (count == ink.left.size()) {
        painter.drawGlyphRun(start, ink.run);
    } else if (count > 0) {
        QGlyphRun part = ink.run;
        part.setRawData(ink.run.glyphIndexes().constData(), ink.run.positions().constData(),
                        static_cast<int>(count));
        painter.drawGlyphRun(start, part);
    }
}

// drawText truncates the start of a text to 1/64 of a pixel and places each glyph at that point plus
// its advance; a glyph run starting from the truncated point gives the same sums.
double ToSixtyFourths(double v) {
    return std::trunc(v * 64) / 64;
}

// A painter that only moves its drawing by whole pixels, as on an image or a widget at one device
// pixel per pixel; scaling or turning ones round glyph places by their own rules.
bool WholePixelShift(const QTransform& m) {
    return m.type() <= QTransform::TxTranslate && m.dx() == std::floor(m.dx()) &&
           m.dy() == std::floor(m.dy());
}

}  // namespace

const SizedFont& SizeFont(const Font& design, double pixels, const QPaintDevice* device) {
    Caches& caches = TheCaches();
    const FontKey key{design, pixels, device->logicalDpiY()};
    const auto found = caches.fonts.find(key);
    if (found != caches.fonts.end()) return found->second;
    if (caches.fonts.size() >= kMostKept) ClearCaches();
    QFont font = DesignFont(design);
    font.setPointSizeF(std::max(0.5, pixels * 72.0 / key.dpi));
    const double ascent = QFontMetricsF(font, device).ascent();
    return caches.fonts.emplace(key, SizedFont{font, ascent}).first->second;
}

bool DrawLaidOutText(QPainter& painter, const SizedFont& font, QPointF baseline, const std::u32string& text,
                     const QRectF& visible, const QColor& colour) {
    if (painter.paintEngine() == nullptr || painter.paintEngine()->type() != QPaintEngine::Raster)
        return false;
    if (!WholePixelShift(painter.combinedTransform()) || !WholePixelShift(painter.deviceTransform()))
        return false;
    if (!std::all_of(text.begin(), text.end(), Plain)) return false;
    Caches& caches = TheCaches();
    auto found = caches.texts.find(TextView{text, &font});
    if (found == caches.texts.end()) {
        if (caches.texts.size() >= kMostKept) caches.texts.clear();
        found = caches.texts.emplace(TextKey{text, &font}, LayOut(font, text, painter.device())).first;
    }
    // Glyphs take only the colour of the pen's solid brush; a pen that has it already (the circle's
    // drawn just before a name, say) is kept, so that the pen does not change back and forth.
    const QPen& pen = painter.pen();
    if (pen.style() == Qt::NoPen || pen.brush().style() != Qt::SolidPattern || pen.color() != colour)
        painter.setPen(colour);
    const QPointF start(ToSixtyFourths(baseline.x()), baseline.y());
    for (const InkRun& ink : found->second)
        DrawInk(painter, ink, start, visible);
    return true;
}

}  // namespace surface
