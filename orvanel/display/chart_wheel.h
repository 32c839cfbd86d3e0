// The chart wheel of one subject on a picture: the frame with its fixed radial lines and the turning
// sign ring, the point glyphs placed so that close points do not overlap, and the dotted aspect
// lines. The wheel values are module-level and survive between drawings, as the synastry and the
// vectors windows rely on. Plain C++ without Qt.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "conceptplane/text.h"
#include "orvanel/astro/chart_positions.h"
#include "surface/drawing_surface.h"

namespace orvanel {

struct WheelValues {
    std::int16_t centerX = 0, centerY = 0;
    std::int16_t radius = 0;    // set by the caller before drawing
    std::int16_t rotation = 0;  // screen angle of longitude 0
    // Top-left corner of the printed glyph of points 1..12 (entry 0 unused).
    std::array<std::int16_t, kMovingPoints + 1> glyphX{}, glyphY{};
};
WheelValues& Wheel();

// Radii of the wheel circle: the chart window (and the vectors windows' charts), the synastry.
inline constexpr std::int16_t kChartWheelRadius = 1980;
inline constexpr std::int16_t kInnerWheelRadius = 1250;
inline constexpr std::int16_t kOuterWheelRadius = 3250;
inline constexpr std::int16_t kWheelCentre = 2560;
inline constexpr double kWheelScale = 5120;
// The chart window's wheel picture: its side in twips and the size of its glyphs.
inline constexpr int kChartPictureTwips = 8100;
inline constexpr double kChartGlyphPoints = 18;

// A wheel picture before drawing: user scale kWheelScale square, white on black, Astrol of `astrolPoints`.
void SetUpWheelSurface(surface::DrawingSurface& surface, double astrolPoints);

// "Carta  Astral  de  <title> ( <date> )".
cp::Text ChartWindowTitle(const ChartSlot& chart);
// DrawWheelFrame writes the chart window's title wherever the wheel is drawn; the windows say where.
void SetChartTitleSink(std::function<void(const cp::Text&)> sink);

// While it lives, wheels are drawn for a picture that belongs to no window (a report): the chart
// window's title is left alone, and the wheel values come back as they were when it ends.
class DetachedWheelDrawing {
  public:
    DetachedWheelDrawing();
    ~DetachedWheelDrawing();
    DetachedWheelDrawing(const DetachedWheelDrawing&) = delete;
    DetachedWheelDrawing& operator=(const DetachedWheelDrawing&) = delete;

  private:
    WheelValues saved_;
    std::function<void(const cp::Text&)> sink_;
};

void DrawWheelFrame(surface::DrawingSurface& surface, const ChartSlot& chart);
void PlacePointGlyphs(const ChartSlot& chart);
void DrawAspectLines(surface::DrawingSurface& surface, const ChartSlot& chart);
void PrintPointGlyphs(surface::DrawingSurface& surface);
// The whole wheel with radius `radius`: frame, glyph places, aspect lines, glyphs.
void DrawChartWheel(surface::DrawingSurface& surface, const ChartSlot& chart, std::int16_t radius);

// Cosine and sine of degrees as the wheel takes them: of degrees times the single-precision DegToRad,
// the product itself rounded to single precision.
double WheelCos(double degrees);
double WheelSin(double degrees);

// The Ascendant a click at (x, y) of the wheel picture asks for: the longitude under the clicked
// direction, whole degrees (360 possible).
std::int16_t ClickedAscendant(std::int16_t ascendant, double x, double y);

}  // namespace orvanel
