// The pictures of a report, drawn by the windows' own drawing functions on display lists of their
// own (no window's picture, title or wheel values change), then recoloured for white paper.
#pragma once

#include "orvanel/astro/chart_positions.h"
#include "surface/drawing_surface.h"

namespace orvanel::report {

// The chart window's wheel.
surface::DrawingSurface ChartWheelPicture(const ChartSlot& chart);
// The synastry window's wheel, `inner` inside.
surface::DrawingSurface SynastryWheelPicture(const ChartSlot& inner, const ChartSlot& outer);
// The concept plane at normal size with the fourteen chart vectors and their glyphs, as the vectors
// window of one subject draws it, or as each plane of the window of two (`twoPlanes`).
surface::DrawingSurface PlanePicture(const ChartSlot& chart, bool twoPlanes);

// A screen colour for white paper: a light colour becomes as dark as it was light, keeping its hue;
// a dark one stays.
surface::Rgb PaperColour(surface::Rgb screen);

}  // namespace orvanel::report
