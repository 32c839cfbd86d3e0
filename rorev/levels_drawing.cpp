#include "rorev/levels_drawing.h"

#include "conceptplane/angles.h"

namespace rorev {

namespace {

using surface::Point;

constexpr double kOuterRadius = 5198;  // level 6, where the upper level of every pair is drawn
constexpr double kInnerRadius = 2691;  // level 5
constexpr double kSpokeLength = 5300;
constexpr double kDiskRadius = 2000;  // the black disk under the centre label

// One dot of the pattern of levels 5 and 6 at their true radii: its size, its distance from the
// centre, and whether it stands on the upper level's angle (a + 15) or on the lower level's (a).
struct PatternDot {
    double dotRadius, distance;
    bool onUpperAngle;
};
constexpr PatternDot kPattern[] = {
    {40, 5198, true},  {30, 4660, false}, {30, 3805, true},
    {30, 3412, false}, {30, 2786, true},  {40, 2691, false},
};

Point OnAngle(Point centre, double distance, double degrees) {
    const cp::AngleMath& m = cp::kRorevAngles;
    return Point{centre.x + distance * m.Cos(degrees), centre.y - distance * m.Sin(degrees)};
}

// The angles run up to 360 inclusive, so with a start of 0 the last step falls on the first: it is
// drawn at exactly the first one's angle, where the surface takes it for the same figure drawn again
// (the pattern's approximate pi would otherwise put it a hair apart, heavier on the screen).
void DrawPattern(surface::DrawingSurface& picture, Point centre, std::int16_t startAngle) {
    const cp::AngleMath& m = cp::kRorevAngles;
    picture.Circle(centre, kOuterRadius);
    picture.Circle(centre, kInnerRadius);
    for (int a = startAngle; a <= 360; a += 30) {
        for (const PatternDot& dot : kPattern)
            picture.Circle(OnAngle(centre, dot.distance, (dot.onUpperAngle ? a + 15 : a) % 360),
                           dot.dotRadius);
        const double turn = (a - startAngle) % 360;
        picture.LineStep(centre, Point{kSpokeLength * m.Cos(turn), kSpokeLength * m.Sin(turn)});
    }
    picture.SetFillStyle(surface::kFillSolid);
    picture.SetFillColour(surface::kBlack);
    picture.Circle(centre, kDiskRadius, surface::kBlack);
    picture.SetFillStyle(surface::kFillTransparent);
}

LevelPair MakePair(int upperLevel) {
    const int lower = upperLevel - 1;
    return LevelPair{std::to_string(lower) + " al " + std::to_string(upperLevel),
                     static_cast<std::int16_t>(cp::kLevelRadius[upperLevel] + 1),
                     static_cast<std::int16_t>(lower % 2 == 0 ? 15 : 0)};
}

}  // namespace

const std::array<LevelPair, 7>& LevelPairs() {
    static const std::array<LevelPair, 7> pairs = {MakePair(1), MakePair(2), MakePair(3), MakePair(4),
                                                   MakePair(5), MakePair(6), MakePair(7)};
    return pairs;
}

void DrawLevels(surface::DrawingSurface& picture, const cp::ConceptTable& table, std::int16_t upperLimit,
                std::int16_t startAngle) {
    const Point centre{picture.Scale().width / 2, picture.Scale().height / 2};
    picture.Clear();
    DrawPattern(picture, centre, startAngle);
    const double s = kOuterRadius / (upperLimit - 1.0);
    const double low = upperLimit / 2.0 - 1, high = upperLimit;
    for (const cp::ConceptRecord& record : table.Records()) {
        if (!(low < record.radiusValue && record.radiusValue < high)) continue;
        const double shift = 30.0 * static_cast<double>(cp::TrimBlanks(record.name).size());
        picture.SetCurrent(Point{centre.x + record.xValue * s - shift, centre.y - record.yValue * s});
        picture.Print(record.name);
    }
}

}  // namespace rorev
