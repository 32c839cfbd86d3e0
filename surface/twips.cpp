#include "surface/twips.h"

#include <QWidget>
#include <cmath>

namespace surface {

namespace {
constexpr double kTwipsPerInch = 1440;
}

int TwipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

int TwipsToPixels(int twips, const QWidget* widget) {
    return TwipsToPixels(twips, widget->logicalDpiX());
}

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    const double dpiX = widget->logicalDpiX();
    const double dpiY = widget->logicalDpiY();
    widget->setGeometry(TwipsToPixels(left, dpiX), TwipsToPixels(top, dpiY), TwipsToPixels(width, dpiX),
                        TwipsToPixels(height, dpiY));
}

}  // namespace surface
