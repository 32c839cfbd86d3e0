// Texts of FillPositionLabels and FillAspectList.
#include "chart_texts.h"

#include <algorithm>

#include "conceptplane/numeric.h"
#include "conceptplane/whole_degrees.h"
#include "orvanel/astro/aspects.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/shell/tables.h"

namespace orvanel {

namespace {

// "15;C": the degree within the sign in two digits and the sign's glyph. A longitude of 360 reads
// "00;" with no glyph: character 13 of the sign string does not exist.
cp::Text DegreeInSign(std::int32_t longitude) {
    return cp::FormatZeros(static_cast<double>(cp::WholeMod(longitude, 30)), 2) + U";" +
           GlyphAt(SignGlyphs, static_cast<std::int32_t>(cp::WholeDiv(longitude, 30)) + 1);
}

// DegreeInSign onto the end of `caption`: asked twelve times for each of the two captions of every
// chart, so made once for each whole degree.
void AppendDegreeInSign(cp::Text& caption, std::int32_t longitude) {
    if (!cp::IsWholeDegree(longitude)) {
        caption += DegreeInSign(longitude);
        return;
    }
    const auto& texts = cp::WholeDegreeTable([](std::int32_t degree) { return DegreeInSign(degree); });
    caption += texts[static_cast<std::size_t>(longitude)];
}

bool IsRetrograde(const ChartSlot& chart, int point) {
    return cp::Mid(chart.ephemerisText, 4 * static_cast<std::size_t>(point), 1) ==
           cp::Text(1, kRetrogradeMark);
}

}  // namespace

int UsableAspectCount(const ChartSlot& chart) {
    return std::clamp(static_cast<int>(chart.aspectCount), 0, kAspectRoom);
}

PositionCaptions PositionLabelTexts(const ChartSlot& chart) {
    // A line at most: a glyph, a blank, "dd;G", the retrograde mark and the break.
    constexpr std::size_t kLongestLine = 9;
    PositionCaptions captions;
    captions.points.reserve(kMovingPoints * kLongestLine);
    captions.houses.reserve(kMovingPoints * kLongestLine);
    for (int j = 1; j <= kMovingPoints; ++j) {
        const auto index = static_cast<std::size_t>(j);
        // Appended piece by piece: the captions are made for every chart.
        captions.points += GlyphAt(PointGlyphs, j);
        captions.points += U' ';
        AppendDegreeInSign(captions.points, chart.longitude[index]);
        if (IsRetrograde(chart, j)) captions.points += U'y';
        captions.points += kCaptionBreak;
        captions.houses += GlyphAt(HouseGlyphs, j);
        captions.houses += U' ';
        AppendDegreeInSign(captions.houses, chart.houseCusp[index]);
        captions.houses += kCaptionBreak;
    }
    return captions;
}

std::vector<cp::Text> AspectListItems(const ChartSlot& chart) {
    std::vector<cp::Text> items;
    const int count = UsableAspectCount(chart);
    for (std::int16_t kind = kConjunction; kind <= kSextile; ++kind) {
        for (int n = 1; n <= count; ++n) {
            const auto index = static_cast<std::size_t>(n);
            if (chart.aspectKind[index] != kind) continue;
            cp::Text& item = items.emplace_back();
            for (const cp::Text& part :
                 {GlyphAt(PointGlyphs, chart.aspectFirst[index]), cp::Text(U" "), GlyphAt(AspectGlyphs, kind),
                  cp::Text(U" "), GlyphAt(PointGlyphs, chart.aspectSecond[index])})
                item += part;
        }
        items.emplace_back();
    }
    return items;
}

}  // namespace orvanel
