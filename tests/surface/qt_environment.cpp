// The application object that widget and font tests need, made once for the whole test program, with
// the symbol font loaded as the programs load it at start.
#include <gtest/gtest.h>

#include <QApplication>

#include "surface/fonts.h"

namespace {

class QtEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "surface_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        surface::LoadFonts();
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
