// orbitas.txt is what the generator makes from efemerides.txt, byte for byte, and its values are
// true anomalies.
#include <gtest/gtest.h>

#include <cmath>

#include "core_builders.h"
#include "orvanel/astro/orbit_table.h"
#include "temp_folder.h"
#include "tools/generators/orbit_table_writer.h"

using namespace orvanel;
using namespace core_builders;
using test_support::ReadBytes;

TEST(OrbitTableFile, RegeneratesByteForByte) {
    const std::string elements = ReadBytes(ShippedData("efemerides.txt"));
    const std::string committed = ReadBytes(ShippedData("orbitas.txt"));
    const std::string generated = WriteOrbitTable(ParseElementTable(elements));
    EXPECT_EQ(generated.size(), 28960u);
    EXPECT_TRUE(generated == committed)
        << "data/orbitas.txt is stale: regenerate it with orvanel-orbits data/efemerides.txt";
}

TEST(OrbitTableFile, TrueAnomaliesSolveKeplersEquation) {
    for (double e : {0.0, 0.0167, 0.2056, 0.2488, 0.9}) {
        for (double m = 0; m <= 360; m += 7.5) {
            const double nu = TrueAnomaly(m, e) * std::acos(-1.0) / 180;
            // Back from the true to the eccentric and the mean anomaly.
            const double E = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(nu / 2));
            const double back = std::remainder((E - e * std::sin(E)) * 180 / std::acos(-1.0) - m, 360.0);
            EXPECT_NEAR(back, 0, 1e-9) << e << " " << m;
        }
        EXPECT_NEAR(TrueAnomaly(360, e), 360, 1e-9) << "no jump back to 0";
    }
    const OrbitTable table = OrbitTable::FromBytes(ReadBytes(ShippedData("orbitas.txt")));
    for (std::int16_t orbit = 1; orbit <= 10; ++orbit) {
        EXPECT_EQ(OrbitLookup(table, orbit, 0), 0) << orbit;
        // Each block runs continuously from 0 to 360: no jump at the ends.
        EXPECT_EQ(table.Record((orbit - 1) * kOrbitBlock + 362), 360) << orbit;
        EXPECT_NEAR(OrbitLookup(table, orbit, 359.999), 360, 0.01) << orbit;
    }
}
