// The positions, houses and aspects of a chart as the report writes them.
#include "orvanel/report/chart_tables.h"

#include <iterator>

#include "orvanel/display/chart_texts.h"
#include "orvanel/shell/tables.h"
#include "orvanel/vectors/astral_concepts.h"

namespace orvanel::report {

namespace {

constexpr std::int32_t kLunarNode = 12;
constexpr std::int32_t kAscendant = 13;

// The sign's glyph and name and the whole degrees within it; 360 reads as 0 of Aries.
std::vector<Cell> SignCells(std::int32_t longitude) {
    const std::int32_t sign = SignOfLongitude(longitude);
    const std::int32_t degree = ((longitude % 30) + 30) % 30;
    return {
        {GlyphAt(SignGlyphs, sign), Face::Glyph}, {NameAt(SignNames, sign)}, {cp::FromInt(degree) + U"°"}};
}

bool Retrograde(const ChartSlot& chart, std::int32_t point) {
    return cp::Mid(chart.ephemerisText, 4 * static_cast<std::size_t>(point), 1) == U"!";
}

std::vector<Column> SignColumns() {
    return {{U"", 0.7, Align::Centre}, {U"Signo", 2.7}, {U"Grado", 1.7, Align::Right}};
}

template <class T>
void Append(std::vector<T>& to, std::vector<T> more) {
    to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

cp::Text Owned(const cp::Text& phrase, const cp::Text& owner) {
    return owner.empty() ? phrase : phrase + U" de " + owner;
}

}  // namespace

cp::Text PointPhrase(std::int32_t point, bool atStart) {
    cp::Text name = NameAt(PlanetNames, point);
    // These two names carry no article of their own; a sentence needs one.
    if (point == kLunarNode || point == kAscendant) name = U"El " + name;
    if (!atStart && (name.starts_with(U"El ") || name.starts_with(U"La ")))
        name[0] = name[0] == U'E' ? U'e' : U'l';
    return name;
}

cp::Text AspectSentence(std::int32_t first, std::int32_t kind, std::int32_t second,
                        const cp::Text& firstOwner, const cp::Text& secondOwner) {
    return Owned(PointPhrase(first, true), firstOwner) + U" en " + NameAt(AspectNames, kind - 1) + U" con " +
           Owned(PointPhrase(second, false), secondOwner);
}

Table PositionsTable(const ChartSlot& chart) {
    Table table;
    table.columns = {{U"", 0.7, Align::Centre}, {U"Punto", 3}};
    Append(table.columns, SignColumns());
    table.columns.push_back({U"Mov.", 1.4, Align::Centre});
    for (std::int32_t k = 1; k <= kAscendant; ++k) {
        std::vector<Cell> row = {{GlyphAt(PointGlyphs, k), Face::Glyph}, {NameAt(PlanetNames, k)}};
        Append(row, SignCells(chart.longitude[static_cast<std::size_t>(k)]));
        row.push_back({k <= kMovingPoints && Retrograde(chart, k) ? U"Rx" : U"", Face::Strong});
        table.rows.push_back(std::move(row));
    }
    return table;
}

Table HousesTable(const ChartSlot& chart) {
    Table table;
    table.columns = {{U"", 0.7, Align::Centre}, {U"Casa", 2.4}};
    Append(table.columns, SignColumns());
    for (std::int32_t h = 1; h <= 12; ++h) {
        std::vector<Cell> row = {{GlyphAt(HouseGlyphs, h), Face::Glyph}, {NameAt(HouseNames, h - 1)}};
        Append(row, SignCells(chart.houseCusp[static_cast<std::size_t>(h)]));
        table.rows.push_back(std::move(row));
    }
    return table;
}

Table AspectsTable(const ChartSlot& chart, const cp::Text& firstOwner, const cp::Text& secondOwner) {
    Table table;
    table.columns = {{U"", 0.5, Align::Centre}, {U"Aspecto", 9.5}};
    for (std::int32_t kind = 1; kind <= 5; ++kind) {
        for (int n = 1; n <= UsableAspectCount(chart); ++n) {
            const auto i = static_cast<std::size_t>(n);
            if (chart.aspectKind[i] != kind) continue;
            table.rows.push_back({{GlyphAt(AspectGlyphs, kind), Face::Glyph},
                                  {AspectSentence(chart.aspectFirst[i], kind, chart.aspectSecond[i],
                                                  firstOwner, secondOwner)}});
        }
    }
    return table;
}

}  // namespace orvanel::report
