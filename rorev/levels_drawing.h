// The levels view's drawing: the pattern of one pair of neighbouring levels, and the concepts of a
// pair enlarged onto it. Plain C++ over the display-list surface.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "conceptplane/concept_table.h"
#include "surface/drawing_surface.h"

namespace rorev {

// The pair of levels k - 1 and k shown by one button.
struct LevelPair {
    std::string pairText;         // "0 al 1" ... "6 al 7"
    std::int16_t upperLimit = 0;  // L: the upper level's base radius + 1
    std::int16_t startAngle = 0;  // A0: the angle of the lower level's base concepts
};

// The seven pairs, buttons Command1 to Command7.
const std::array<LevelPair, 7>& LevelPairs();

// Levels view user scale (set by the main window's resize), and the font of the printed names.
inline constexpr double kLevelsScale = 11000;
inline const surface::Font kLevelsFont{"Small Fonts", 6.75, false, false};

// Draws the level pattern turned by startAngle, and prints every concept whose radius lies strictly
// between upperLimit / 2 - 1 and upperLimit, scaled so that the upper level falls on the outer circle.
void DrawLevels(surface::DrawingSurface& picture, const cp::ConceptTable& table, std::int16_t upperLimit,
                std::int16_t startAngle);

}  // namespace rorev
