// rorev's structure view: the levels 2 to 7 as arcs on a meridian circle whose quarter has the
// length of the level-6 radius, each level's arc and its distance from the axis.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "conceptplane/text.h"
#include "surface/drawing_surface.h"

namespace cp {

// rorev's level names, index 0..7.
extern const std::array<Text, 8> kLevelNames;

struct StructureLevel {
    int level = 0;
    float radius = 0;             // the level's radius: its arc length on the meridian
    std::int32_t px = 0, py = 0;  // where the arc ends on the picture
    Text line;                    // the list line: name in 12, " ", arc "00000", "  ", px "00000"
};

struct StructureFigure {
    std::int32_t h = 0;                  // half the picture's height
    float meridianRadius = 0;            // 10396 / 3.141592
    std::vector<StructureLevel> levels;  // levels 2..7
};

// The figure for a picture of the given user-scale height (the view's is 7000).
StructureFigure ComputeStructure(double scaleHeight = 7000);
// Draws it without clearing (the view draws the same figure again on each activation).
void DrawStructure(surface::DrawingSurface& p, const StructureFigure& figure);

}  // namespace cp
