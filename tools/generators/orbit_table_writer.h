// Writes orbitas.txt: for each of the ten orbits, the true anomaly by whole degree of mean anomaly,
// from Kepler's equation solved with the orbit's eccentricity (element 4 of efemerides.txt).
#pragma once

#include <string>

#include "orvanel/astro/element_table.h"

namespace orvanel {

// The true anomaly in degrees (0..360, continuous with the mean anomaly) for a mean anomaly in
// degrees and an eccentricity 0 <= e < 1.
double TrueAnomaly(double meanAnomaly, double eccentricity);

// The whole file: ten blocks of 362 records of 8 bytes (six characters and CR LF). The first record
// of a block, which the programs do not read, holds the eccentricity; then the true anomalies for
// the mean anomalies 0..360 with two decimals. An eccentricity outside 0..0.99 throws cp::DataFault.
std::string WriteOrbitTable(const ElementTable& elements);

}  // namespace orvanel
