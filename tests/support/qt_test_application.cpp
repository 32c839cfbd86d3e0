// Makes the one offscreen application before the first test, for executables whose plain tests
// build widgets and fonts without a fixture.
#include <gtest/gtest.h>

#include "window_test_support.h"

namespace {

class Application : public testing::Environment {
  public:
    void SetUp() override { orvanel::testing::TestApplication(); }
};

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new Application);

}  // namespace
