// The Qt application that orvanel-calc's file writers need, made on first use only, on the offscreen
// platform when no display is named, so orvanel-calc runs headless and plain JSON commands never
// start Qt.
#pragma once

#include <memory>

class QGuiApplication;

namespace calc {

class QtRuntime {
  public:
    QtRuntime();
    ~QtRuntime();
    QtRuntime(const QtRuntime&) = delete;
    QtRuntime& operator=(const QtRuntime&) = delete;

    // Makes the application and loads the fonts, once.
    void Start();

  private:
    int argc_ = 1;
    char name_[13] = "orvanel-calc";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace calc
