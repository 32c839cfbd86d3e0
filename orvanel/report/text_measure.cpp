// Measuring text in points at a resolution where hinting rounds nothing.
#include "orvanel/report/text_measure.h"

#include <QFontMetricsF>

namespace orvanel::report {

namespace {

// Measured at 100 device pixels per point.
constexpr double kScale = 100;
constexpr double kReferenceDpi = 72 * kScale;

}  // namespace

TextMeasure::TextMeasure() : reference_(1, 1, QImage::Format_ARGB32_Premultiplied) {
    const int dotsPerMeter = static_cast<int>(kReferenceDpi / 0.0254);
    reference_.setDotsPerMeterX(dotsPerMeter);
    reference_.setDotsPerMeterY(dotsPerMeter);
}

double TextMeasure::Width(const QFont& font, const QString& text) const {
    return QFontMetricsF(font, &reference_).horizontalAdvance(text) / kScale;
}

double TextMeasure::Ascent(const QFont& font) const {
    return QFontMetricsF(font, &reference_).ascent() / kScale;
}

QString TextMeasure::Elided(const QFont& font, const QString& text, double width) const {
    return QFontMetricsF(font, &reference_).elidedText(text, Qt::ElideRight, width * kScale);
}

QStringList TextMeasure::Lines(const QFont& font, const QString& text, double width) const {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || Width(font, longer) <= width) {
            line = longer;
            continue;
        }
        lines << Elided(font, line, width);
        line = word;
    }
    if (!line.isEmpty()) lines << Elided(font, line, width);
    return lines;
}

}  // namespace orvanel::report
