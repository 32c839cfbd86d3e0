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
// Asked twelve times for each of the two captions of every chart: made once for each whole degree.
cp::Text DegreeInSign(std::int32_t longitude) {
    return cp::AtWholeDegree(longitude, [](std::int32_t l) {
        return cp::FormatZeros(static_cast<double>(cp::WholeMod(l, 30)), 2) + U";" +
               GlyphAt(SignGlyphs, static_cast<std::int32_t>(cp::WholeDiv(l, 30)) + 1);
    });
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
    PositionCaptions captions;
    for (int j = 1; j <= kMovingPoints; ++j) {
        const auto index = static_cast<std::size_t>(j);
        // Appended piece by piece: the captions are made for every chart.
        captions.points += GlyphAt(PointGlyphs, j);
        captions.points += U' ';
        captions.points += DegreeInSign(chart.longitude[index]);
        if (IsRetrograde(chart, j)) captions.points += U'y';
        captions.points += kCaptionBreak;
        captions.houses += GlyphAt(HouseGlyphs, j);
        captions.houses += U' ';
        captions.houses += DegreeInSign(chart.houseCusp[index]);
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
            items.push_back(GlyphAt(PointGlyphs, chart.aspectFirst[index]) + U" " +
                            GlyphAt(AspectGlyphs, kind) + U" " +
                            GlyphAt(PointGlyphs, chart.aspectSecond[index]));
        }
        items.emplace_back();
    }
    return items;
}

}  // namespace orvanel
