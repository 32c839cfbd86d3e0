#include "zoom_box.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numeric.h"

namespace cp {

namespace {

constexpr double kBoxCentre = 3000;
constexpr surface::Rgb kCrosshairRed = surface::RGB(250, 0, 0);
constexpr double kConceptCircle = 50;
// Lines long enough to cross the box from the plane's centre, however far away it lies.
constexpr double kRadialReach = 100000;
// Box units beyond the box's half side within which the grid gives its candidates: far more than any
// rounding of the exact test, so that no concept the test would show is left out.
constexpr double kCandidateMargin = 100;

// Zoom-box units per plane unit: the neighbourhood grows with the distance from the centre, as the
// spacing of the concepts does; 0.1 keeps the centre from dividing by zero.
double BoxScale(const CurrentPoint& point, Arithmetic arithmetic) {
    return Keep(arithmetic, 2 * 5198 / (point.radius + 0.1));
}

// rorev shifts every concept 4 units up and left; Orvanel rounds to whole units instead. A concept
// too far away for Orvanel's single-precision store (a garbled file) lies outside the box: -1.
double BoxPosition(double v, Arithmetic arithmetic) {
    if (arithmetic == Arithmetic::Rorev) return v - 4;
    if (!FitsSingle(v)) return -1;
    return RoundHalfEven(Keep(arithmetic, v));
}

bool InsideBox(double v) {
    return v > 0 && v < kZoomBoxSize;
}

Text RorevReadout(double v) {
    if (std::fabs(v) < 1) return U"0";
    return FormatHashes(v);
}

Text OrvanelReadout(double v) {
    return FromInt(StoreInt32(v));
}

}  // namespace

void ForEachZoomBoxConcept(const CurrentPoint& point, const ConceptTable& concepts, Arithmetic arithmetic,
                           const std::function<void(const ZoomBoxConcept&)>& visit) {
    const double k = BoxScale(point, arithmetic);
    const double reach = (kBoxCentre + kCandidateMargin) / k;
    std::vector<std::int32_t> candidates;
    concepts.Grid().Candidates(point.x - reach, point.x + reach, point.y - reach, point.y + reach,
                               &candidates);
    std::vector<ZoomBoxConcept> shown;
    for (const std::int32_t n : candidates) {
        const ConceptRecord& r = concepts.Read(n);
        const double zx = BoxPosition((r.xValue - point.x) * k + kBoxCentre, arithmetic);
        const double zy = BoxPosition(kBoxCentre - (r.yValue - point.y) * k, arithmetic);
        if (InsideBox(zx) && InsideBox(zy)) shown.push_back({n, zx, zy});
    }
    // Drawn in file order, so that later names print over earlier ones as they always did.
    std::sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) { return a.record < b.record; });
    for (const ZoomBoxConcept& c : shown)
        visit(c);
}

void ShowZoomBox(surface::DrawingSurface& z, CurrentPoint& point, const ConceptTable& concepts,
                 Arithmetic arithmetic) {
    z.Clear();
    z.Line(surface::Point{kBoxCentre, 2700}, {0, 600}, true, kCrosshairRed);
    z.Line(surface::Point{2700, kBoxCentre}, {600, 0}, true, kCrosshairRed);
    const AngleMath& angles = AnglesFor(arithmetic);
    point.radius = Keep(arithmetic, HypotReal(point.x, point.y));
    point.angle = Keep(arithmetic, angles.AngleOf(point.x, point.y));
    const double k = BoxScale(point, arithmetic);
    const surface::Point planeCentre{kBoxCentre - point.x * k, kBoxCentre + point.y * k};
    for (int a = 0; a <= 360; a += 30) {
        z.LineStep(planeCentre, {kRadialReach * angles.Cos(a), kRadialReach * angles.Sin(a)});
    }
    ForEachZoomBoxConcept(point, concepts, arithmetic, [&](const ZoomBoxConcept& c) {
        z.Circle({c.zx, c.zy}, kConceptCircle);
        z.Print(U" " + concepts.Read(c.record).name);
    });
}

ZoomReadouts MakeReadouts(const CurrentPoint& point, Arithmetic arithmetic) {
    const auto readout = arithmetic == Arithmetic::Rorev ? RorevReadout : OrvanelReadout;
    return {readout(point.x / 10), readout(point.y / 10), FromInt(StoreInt32(point.angle)),
            readout(point.radius / 10)};
}

}  // namespace cp
