// Where the manual's pictures go: each window is grabbed as it is drawn and written as NAME.png.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <utility>

namespace manual_shots {

class ShotFolder {
  public:
    explicit ShotFolder(QString folder) : folder_(std::move(folder)) {}

    // Lets the window lay out and paint, then writes it; false when the file could not be written.
    bool Save(QWidget& window, const char* name);
    // A picture that is no window's (a page of a report).
    bool Save(const QImage& image, const char* name);
    bool AllSaved() const { return allSaved_; }

  private:
    QString folder_;
    bool allSaved_ = true;
};

}  // namespace manual_shots
