// The picture writer of the orvanel-calc executable: replays the display lists with Qt.
#pragma once

#include "picture_output.h"
#include "qt_runtime.h"

namespace calc {

class QtPictureWriter {
  public:
    explicit QtPictureWriter(QtRuntime& qt) : qt_(qt) {}

    bool Write(const Picture& picture, const PictureFile& file);

  private:
    QtRuntime& qt_;
};

}  // namespace calc
