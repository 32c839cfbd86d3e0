// Text measured in points, the same on every device: fonts are measured at a very high resolution,
// where hinting rounds nothing, and the result scaled back. Lines are broken at blanks.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

namespace orvanel::report {

class TextMeasure {
  public:
    TextMeasure();

    double Width(const QFont& font, const QString& text) const;
    double Ascent(const QFont& font) const;
    // The text cut with an ellipsis to fit `width`, or whole when it fits.
    QString Elided(const QFont& font, const QString& text, double width) const;
    // The text broken at blanks into lines of at most `width`; a word longer than a line is cut with
    // an ellipsis.
    QStringList Lines(const QFont& font, const QString& text, double width) const;

  private:
    QImage reference_;
};

}  // namespace orvanel::report
