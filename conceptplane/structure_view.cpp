#include "structure_view.h"

#include <cmath>

#include "angles.h"
#include "numeric.h"

namespace cp {

const std::array<Text, 8> kLevelNames = {U"elementos",  U"canales",   U"soma",     U"instintos",
                                         U"facultades", U"actitudes", U"virtudes", U"plenitud"};

namespace {

// The circle whose quarter is 5198 long: 2 · 5198 / pi, with pi as 3.141592.
constexpr double kMeridianNumerator = 10396;
constexpr double kPi = 3.141592;
constexpr double kLevelMark = 20;
constexpr double kNameColumn = 5000;

Text ListLine(int level, float radius, std::int32_t px) {
    return Fixed(kLevelNames[static_cast<std::size_t>(level)], 12) + U" " +
           FormatZeros(static_cast<double>(radius), 5) + U"  " + FormatZeros(px, 5);
}

}  // namespace

StructureFigure ComputeStructure(double scaleHeight) {
    const AngleMath& angles = kRorevAngles;
    StructureFigure figure;
    figure.h = StoreInt32(scaleHeight / 2);
    figure.meridianRadius = StoreSingle(kMeridianNumerator / kPi);
    const float c = StoreSingle(angles.Cos(30) + 1);
    // The level-1 radius, 100 · sqrt(2 + 2 cos 30°); each next level multiplies it by the same factor.
    float r = StoreSingle(std::sqrt(20000.0 * c));
    const double meridian = static_cast<double>(figure.meridianRadius);
    for (int level = 2; level <= 7; ++level) {
        r = StoreSingle(std::sqrt(static_cast<double>(r) * r * 2 * c));
        // The angle whose arc on the meridian is r long.
        const float a = StoreSingle(static_cast<double>(r) * 90 / 5198);
        const double turned = static_cast<double>(a) + 270;
        const std::int32_t px = StoreInt32(meridian * angles.Cos(turned));
        const std::int32_t py = StoreInt32(figure.h - meridian * angles.Sin(turned));
        figure.levels.push_back({level, r, px, py, ListLine(level, r, px)});
    }
    return figure;
}

void DrawStructure(surface::DrawingSurface& p, const StructureFigure& figure) {
    const surface::Point axis{0, static_cast<double>(figure.h)};
    const double meridian = static_cast<double>(figure.meridianRadius);
    p.Circle(axis, meridian);
    p.LineAbs(axis, {meridian, axis.y});
    for (const StructureLevel& l : figure.levels) {
        const surface::Point mark{static_cast<double>(l.px), static_cast<double>(l.py)};
        p.Circle(mark, kLevelMark);
        p.LineAbs(mark, {kNameColumn, mark.y});
        p.Print(kLevelNames[static_cast<std::size_t>(l.level)]);
    }
}

}  // namespace cp
