// The true anomalies of orbitas.txt and their lookup. The file is 3,620 fixed records of 8 bytes
// (a 6-character number and a line end): ten blocks of 362, one per orbit, each a record that is not
// read followed by the true anomaly for the mean anomalies 0..360 whole degrees.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace orvanel {

inline constexpr int kOrbitRecordLength = 8;
inline constexpr int kOrbitBlock = 362;
inline constexpr int kOrbitRecords = 10 * kOrbitBlock;
// A complete file; the line end of the last record may be missing.
inline constexpr std::size_t kOrbitFileMinimum = kOrbitRecords * kOrbitRecordLength - 2;

inline constexpr char kOrbitFileMessage[] = "Falta el archivo orbitas.txt o está incompleto";

class OrbitTable {
  public:
    // A file shorter than 3,620 records, or a record whose value is not finite, throws cp::DataFault
    // with kOrbitFileMessage.
    static OrbitTable FromBytes(std::string_view bytes);

    // The numeric value of characters 1..6 of record n (1-based); a record outside the file throws
    // cp::DataFault.
    double Record(std::int32_t n) const;

    // Called with the number of every record read, in order (tests count the reads).
    std::function<void(std::int32_t)> onRead;

  private:
    std::vector<double> values_;  // values_[n - 1] is record n
};

// The true anomaly in degrees of orbit 1..10 for a mean anomaly 0 <= meanAnomaly < 360: the values of
// the two whole degrees around it, interpolated linearly.
double OrbitLookup(const OrbitTable& table, std::int16_t orbit, double meanAnomaly);

}  // namespace orvanel
