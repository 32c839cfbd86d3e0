// Shared pieces of the astro tests: synthetic ephemeris tables whose results are known by hand, and
// the shared files and builders.
#pragma once

#include <string>

#include "core_builders.h"
#include "orvanel/astro/ephemeris_files.h"
#include "temp_folder.h"

namespace astro_test {

using namespace core_builders;
using test_support::ReadBytes;
using test_support::TempFolder;

// The seventy elements written as the file would hold them.
std::string ElementBytes(const orvanel::ElementTable& table);
// Every orbit with eccentricity 0: the true anomaly equals the mean anomaly, whole degrees.
std::string IdentityOrbitBytes();
orvanel::EphemerisData DataOf(const orvanel::ElementTable& elements);

}  // namespace astro_test
