// The Line mode of a series: the line through the last point and the sum of the others, drawn at
// normal zoom, and the concepts near it.
#include <algorithm>
#include <cmath>
#include <utility>

#include "numeric.h"
#include "template.h"
#include "vector_workspace.h"

namespace cp {

namespace {

constexpr surface::Rgb kLineYellow = surface::RGB(200, 200, 0);
constexpr double kPointCircle = 50;

// The line is drawn between its heights at plane x = -5300 and x = 5300, with 0.1 added to dx
// against a division by zero. When that still divides by zero, or gives heights far outside the
// picture, the segment is cut to the picture here so that no painter sees coordinates near 1e17.
void DrawLineAcrossPicture(surface::DrawingSurface& p, const PlaneLine& line) {
    const double divisor = line.dx + 0.1;
    const double left = kPictureCentre - (-kPictureCentre * line.dy + line.c) / divisor;
    const double right = kPictureCentre - (kPictureCentre * line.dy + line.c) / divisor;
    if (!std::isfinite(left) || !std::isfinite(right)) {
        if (line.dy == 0) return;
        const double x = kPictureCentre - line.c / line.dy;
        if (x >= 0 && x <= kTemplateScale)
            p.Line(surface::Point{x, 0}, {x, kTemplateScale}, false, kLineYellow);
        return;
    }
    // Cut to 0 <= height <= 10600 along the segment; cut ends take the border height exactly, which
    // heights near 1e20 could not give back.
    struct End {
        double t, y;
    };
    End start{0, left}, end{1, right};
    const double rise = right - left;
    if (rise == 0) {
        if (left < 0 || left > kTemplateScale) return;
    } else {
        End low{(0 - left) / rise, 0}, high{(kTemplateScale - left) / rise, kTemplateScale};
        if (low.t > high.t) std::swap(low, high);
        if (low.t > start.t) start = low;
        if (high.t < end.t) end = high;
        if (start.t > end.t) return;
    }
    p.Line(surface::Point{kTemplateScale * start.t, start.y}, {kTemplateScale * end.t, end.y}, false,
           kLineYellow);
}

}  // namespace

PlaneLine LineThrough(surface::Point p, surface::Point q, Arithmetic arithmetic) {
    const double dx = Keep(arithmetic, q.x - p.x);
    const double dy = Keep(arithmetic, q.y - p.y);
    return {dx, dy, Keep(arithmetic, p.y * dx - p.x * dy)};
}

std::vector<Text> ConceptsOnLine(const ConceptTable& concepts, const PlaneLine& line, Arithmetic arithmetic) {
    const double tolerance = Keep(arithmetic, 100 * std::max(std::fabs(line.dx), std::fabs(line.dy)));
    std::vector<Text> names;
    for (const ConceptRecord& r : concepts.Records()) {
        const double exact = r.xValue * line.dy - r.yValue * line.dx + line.c;
        // A distance beyond Orvanel's single-precision store (a garbled file) is no concept near the line.
        if (arithmetic == Arithmetic::Orvanel && !FitsSingle(exact)) continue;
        if (std::fabs(Keep(arithmetic, exact)) < tolerance) names.push_back(r.name);
    }
    return names;
}

std::optional<std::vector<Text>> VectorWorkspace::ConceptsOnLine(PlaneTarget& target, bool* zoomReset) {
    target.picture.Circle(target.view.PlaneToPicture({lastOperand.x, lastOperand.y}), kPointCircle);
    if (accumulatedOperand.length == 0) return std::nullopt;
    // The zoom goes back to normal before the redraw, so that the result and Orvanel's chart layer
    // are drawn at the zoom of the line.
    target.view.ResetZoom();
    *zoomReset = true;
    DrawTemplate(target, *this);
    const PlaneLine line =
        LineThrough({lastOperand.x, lastOperand.y}, {accumulatedOperand.x, accumulatedOperand.y}, arithmetic);
    DrawLineAcrossPicture(target.picture, line);
    return cp::ConceptsOnLine(target.concepts, line, arithmetic);
}

}  // namespace cp
