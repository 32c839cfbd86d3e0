// Reading orbitas.txt and looking up a true anomaly.
#include "orbit_table.h"

#include <cmath>

#include "conceptplane/faults.h"
#include "conceptplane/numeric.h"
#include "conceptplane/text.h"

namespace orvanel {

namespace {

constexpr std::size_t kNumberWidth = 6;

double RecordValue(std::string_view bytes, std::size_t index) {
    cp::Text text;
    for (char c : bytes.substr(index * kOrbitRecordLength, kNumberWidth)) {
        text.push_back(static_cast<unsigned char>(c));
    }
    return cp::NumericValue(text);
}

}  // namespace

OrbitTable OrbitTable::FromBytes(std::string_view bytes) {
    // A shorter file would leave records unread; the random access of old created empty files, and
    // every position would then be silently wrong.
    if (bytes.size() < kOrbitFileMinimum) throw cp::DataFault(kOrbitFileMessage);
    OrbitTable table;
    table.values_.resize(kOrbitRecords);
    for (std::size_t i = 0; i < kOrbitRecords; ++i) {
        const double v = RecordValue(bytes, i);
        if (!std::isfinite(v)) throw cp::DataFault(kOrbitFileMessage);
        table.values_[i] = v;
    }
    return table;
}

double OrbitTable::Record(std::int32_t n) const {
    if (n < 1 || n > static_cast<std::int32_t>(values_.size())) throw cp::DataFault(kOrbitFileMessage);
    if (onRead) onRead(n);
    return values_[static_cast<std::size_t>(n - 1)];
}

double OrbitLookup(const OrbitTable& table, std::int16_t orbit, double meanAnomaly) {
    const double whole = std::floor(meanAnomaly);
    const std::int16_t n = cp::StoreInt16(whole + (orbit - 1) * kOrbitBlock + 1);
    const double f = table.Record(n + 1);
    const double g = table.Record(n + 2);
    return (meanAnomaly - whole) * (g - f) + f;
}

}  // namespace orvanel
