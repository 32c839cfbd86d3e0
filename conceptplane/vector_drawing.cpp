#include "vector_drawing.h"

#include "numeric.h"

namespace cp {

namespace {

constexpr surface::Rgb kResultantGreen = surface::RGB(0, 200, 0);
constexpr surface::Rgb kTensionRed = surface::RGB(200, 0, 0);

int WholeDegrees(double angle) {
    return StoreInt32(angle);
}

}  // namespace

void DrawArrowHead(surface::DrawingSurface& p, int angle, const AngleMath& angles) {
    struct Stroke {
        double length;
        int turn;
    };
    constexpr Stroke kStrokes[] = {{70, 165}, {40, 270}, {70, 15}};
    for (const Stroke& s : kStrokes) {
        const int a = angle + s.turn;
        p.Line(std::nullopt, {s.length * angles.Cos(a), -s.length * angles.Sin(a)}, true);
    }
}

void DrawPlaneVector(surface::DrawingSurface& p, const PlaneView& view, double x, double y, int arrowAngle,
                     std::optional<surface::Rgb> colour) {
    p.Line(surface::Point{kPictureCentre, kPictureCentre}, view.PictureStep(x, y), true, colour);
    DrawArrowHead(p, arrowAngle, AnglesFor(view.arithmetic));
}

void DrawResult(surface::DrawingSurface& p, const PlaneView& view, const VectorWorkspace& workspace) {
    p.SetDrawWidth(2);
    for (int row = kResultant; row <= kTensionB; ++row) {
        const ResultRow& r = workspace.resultTable[static_cast<std::size_t>(row)];
        DrawPlaneVector(p, view, r.x, r.y, WholeDegrees(r.angle),
                        row == kResultant ? kResultantGreen : kTensionRed);
    }
    p.SetDrawWidth(1);
}

void DrawVectorList(surface::DrawingSurface& p, const PlaneView& view, const VectorWorkspace& workspace) {
    const AngleMath& angles = AnglesFor(workspace.arithmetic);
    const VectorList& list = workspace.vectorList;
    for (int i = 0; i < list.count; ++i) {
        const surface::Point v = list.items[static_cast<std::size_t>(i)];
        DrawPlaneVector(p, view, v.x, v.y, WholeDegrees(angles.AngleOf(v.x, v.y)));
    }
}

}  // namespace cp
