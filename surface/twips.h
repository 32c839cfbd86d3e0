// Window layouts are designed in twips (1/1440 inch): 15 twips per pixel at 96 dpi.
#pragma once

class QWidget;

namespace surface {

int TwipsToPixels(int twips, double logicalDpi);
// With the logical DPI of the widget's screen (horizontal).
int TwipsToPixels(int twips, const QWidget* widget);
// Sets the widget's geometry from a design geometry in twips.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

}  // namespace surface
