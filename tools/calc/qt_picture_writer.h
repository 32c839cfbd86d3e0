// The picture writer of the orvanel-calc executable: replays the display lists with Qt. The Qt
// application it needs is made on the first picture only, on the offscreen platform when no display
// is named, so orvanel-calc runs headless and plain JSON commands never start Qt.
#pragma once

#include <memory>

#include "picture_output.h"

class QGuiApplication;

namespace calc {

class QtPictureWriter {
  public:
    QtPictureWriter();
    ~QtPictureWriter();
    QtPictureWriter(const QtPictureWriter&) = delete;
    QtPictureWriter& operator=(const QtPictureWriter&) = delete;

    bool Write(const Picture& picture, const PictureFile& file);

  private:
    void StartQt();

    int argc_ = 1;
    char name_[13] = "orvanel-calc";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace calc
