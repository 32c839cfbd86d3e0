#include "orvanel/display/chart_wheel.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "conceptplane/angles.h"
#include "conceptplane/numeric.h"
#include "orvanel/display/chart_texts.h"
#include "orvanel/shell/tables.h"

namespace orvanel {

namespace {

using surface::Point;

std::function<void(const cp::Text&)>& TitleSink() {
    static std::function<void(const cp::Text&)> sink;
    return sink;
}

// The whole degrees of point j's field in the positions text (blank or missing fields read 0).
int FieldDegrees(const ChartSlot& chart, int j) {
    const auto start = static_cast<std::size_t>(4 * j - 3);
    return cp::StoreInt16(cp::NumericValue(cp::Mid(chart.ephemerisText, start, 3)));
}

bool Collide(int a, int b) {
    return std::abs(a - b) % 345 < 15;
}

void DrawRadialLines(surface::DrawingSurface& s, const WheelValues& w) {
    const Point centre{static_cast<double>(w.centerX), static_cast<double>(w.centerY)};
    for (int theta = 0; theta <= 330; theta += 30)
        s.LineStep(centre, {cp::StoreSingle(w.radius * WheelCos(theta)),
                            cp::StoreSingle(w.radius * WheelSin(theta))});
}

void DrawSignTicks(surface::DrawingSurface& s, const WheelValues& w) {
    for (int k = 0; k < 12; ++k) {
        const int a = w.rotation + 30 * k;
        const double c = cp::StoreSingle(WheelCos(a)), sn = cp::StoreSingle(WheelSin(a));
        s.LineStep({cp::StoreSingle(w.centerX + w.radius * c), cp::StoreSingle(w.centerY - w.radius * sn)},
                   {cp::StoreSingle(370 * c), cp::StoreSingle(-370 * sn)});
    }
}

void PrintSignGlyphs(surface::DrawingSurface& s, const WheelValues& w) {
    const double distance = w.radius / 8.0 + w.radius;
    for (int i = 1; i <= 12; ++i) {
        const int a = w.rotation + 15 + 30 * (i - 1);
        s.SetCurrent({cp::StoreSingle(w.centerX + distance * WheelCos(a) - 80),
                      cp::StoreSingle(w.centerY - distance * WheelSin(a) - 80)});
        s.Print(GlyphAt(SignGlyphs, i));
    }
}

surface::Point GlyphCentre(const WheelValues& w, int point) {
    const auto j = static_cast<std::size_t>(point);
    return {w.glyphX[j] + 100.0, w.glyphY[j] + 100.0};
}

bool IsMovingPoint(int point) {
    return point >= 1 && point <= kMovingPoints;
}

}  // namespace

double WheelCos(double degrees) {
    return std::cos(cp::StoreSingle(degrees * static_cast<double>(cp::kOrvanelDegToRad)));
}
double WheelSin(double degrees) {
    return std::sin(cp::StoreSingle(degrees * static_cast<double>(cp::kOrvanelDegToRad)));
}

WheelValues& Wheel() {
    static WheelValues values;
    return values;
}

cp::Text ChartWindowTitle(const ChartSlot& chart) {
    return U"Carta  Astral  de  " + chart.title + U" ( " + chart.dateText + U" )";
}

void SetUpWheelSurface(surface::DrawingSurface& surface, double astrolPoints) {
    surface.SetScale(0, 0, kWheelScale, kWheelScale);
    surface.SetBackColour(surface::kBlack);
    surface.SetForeColour(surface::kWhite);
    surface.SetFont(surface::Font{"Astrol", astrolPoints, false, false});
}

void SetChartTitleSink(std::function<void(const cp::Text&)> sink) {
    TitleSink() = std::move(sink);
}

DetachedWheelDrawing::DetachedWheelDrawing() : saved_(Wheel()), sink_(std::exchange(TitleSink(), {})) {}

DetachedWheelDrawing::~DetachedWheelDrawing() {
    Wheel() = saved_;
    TitleSink() = std::move(sink_);
}

void DrawWheelFrame(surface::DrawingSurface& surface, const ChartSlot& chart) {
    if (TitleSink()) TitleSink()(ChartWindowTitle(chart));
    WheelValues& w = Wheel();
    w.rotation = cp::StoreInt16(180 - chart.ascendant);
    w.centerX = kWheelCentre;
    w.centerY = kWheelCentre;
    surface.Clear();
    surface.Circle({static_cast<double>(w.centerX), static_cast<double>(w.centerY)}, w.radius);
    DrawRadialLines(surface, w);
    DrawSignTicks(surface, w);
    PrintSignGlyphs(surface, w);
}

void PlacePointGlyphs(const ChartSlot& chart) {
    WheelValues& w = Wheel();
    const int r0 = static_cast<int>(cp::RoundHalfEven(w.radius * 2.0 / 3.0));
    for (int j = 1; j <= kMovingPoints; ++j) {
        int r = r0, sign = 1, step = 0;
        const int aj = FieldDegrees(chart, j);
        for (int k = 1; k < j; ++k) {
            if (!Collide(FieldDegrees(chart, k), aj)) continue;
            sign = -sign;
            step += 200;
            r += sign * step;
        }
        const int theta = w.rotation + aj;
        const auto idx = static_cast<std::size_t>(j);
        w.glyphX[idx] = cp::StoreInt16(r * WheelCos(theta) + w.centerX - 60);
        w.glyphY[idx] = cp::StoreInt16(w.centerY - r * WheelSin(theta) - 65);
    }
}

void DrawAspectLines(surface::DrawingSurface& surface, const ChartSlot& chart) {
    const WheelValues& w = Wheel();
    surface.SetDrawStyle(surface::kDotted);
    for (int n = 1; n <= UsableAspectCount(chart); ++n) {
        const auto i = static_cast<std::size_t>(n);
        switch (chart.aspectKind[i]) {
            case 2:
            case 4:
                surface.SetForeColour(surface::RGB(255, 100, 100));
                break;
            case 3:
                surface.SetForeColour(surface::RGB(0, 200, 0));
                break;
            case 5:
                surface.SetForeColour(surface::RGB(100, 100, 255));
                break;
            default:
                break;  // a conjunction keeps the colour of the line before it
        }
        const int p = chart.aspectFirst[i], q = chart.aspectSecond[i];
        if (IsMovingPoint(p) && IsMovingPoint(q)) surface.LineAbs(GlyphCentre(w, p), GlyphCentre(w, q));
    }
    surface.SetForeColour(surface::kWhite);
    surface.SetDrawStyle(surface::kSolid);
}

void PrintPointGlyphs(surface::DrawingSurface& surface) {
    const WheelValues& w = Wheel();
    for (int j = 1; j <= kMovingPoints; ++j) {
        const auto idx = static_cast<std::size_t>(j);
        surface.SetCurrent({static_cast<double>(w.glyphX[idx]), static_cast<double>(w.glyphY[idx])});
        surface.Print(GlyphAt(PointGlyphs, j));
    }
}

void DrawChartWheel(surface::DrawingSurface& surface, const ChartSlot& chart, std::int16_t radius) {
    Wheel().radius = radius;
    DrawWheelFrame(surface, chart);
    PlacePointGlyphs(chart);
    DrawAspectLines(surface, chart);
    PrintPointGlyphs(surface);
}

std::int16_t ClickedAscendant(std::int16_t ascendant, double x, double y) {
    const double dx = cp::StoreSingle(x - kWheelCentre), dy = cp::StoreSingle(kWheelCentre - y);
    const double theta = cp::kOrvanelAngles.AngleOf(dx, dy);
    return cp::StoreInt16(cp::NormalizeDegrees(ascendant + theta - 180));
}

}  // namespace orvanel
