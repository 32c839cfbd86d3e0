// The subject of the cycle tests: subject 1 born at 0 h of the central date, 5 December 2001.
#pragma once

#include <gtest/gtest.h>

#include "core_builders.h"

class BornOnTheCentralDate : public ::testing::Test {
  protected:
    BornOnTheCentralDate() { core_builders::EnterComputed(program, files, 1, {2001, 12, 5}); }

    orvanel::EphemerisFiles files{core_builders::ShippedData()};
    orvanel::Program program;
    orvanel::ChartSlot& natal = program.ChartPositions[1];
};
