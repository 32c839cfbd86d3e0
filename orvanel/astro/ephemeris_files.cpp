// The in-memory copies of the two ephemeris files.
#include "ephemeris_files.h"

#include <fstream>
#include <iterator>

#include "conceptplane/faults.h"

namespace orvanel {

const std::string& CachedFile::Bytes(const char* missingMessage, bool* changed) {
    // One stat per request: the check runs on every computation, 31 times for a cycle plot.
    const std::optional<cp::FileStamp> stamp = cp::StampOf(path_.c_str());
    if (!stamp) throw cp::DataFault(missingMessage);
    *changed = stamp != stamp_;
    if (!*changed) return bytes_;
    std::ifstream in(path_, std::ios::binary);
    if (!in) throw cp::DataFault(missingMessage);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw cp::DataFault(missingMessage);
    bytes_ = std::move(bytes);
    stamp_ = stamp;
    return bytes_;
}

EphemerisFiles::EphemerisFiles(const std::string& folder)
    : elementFile_(std::filesystem::path(folder) / "efemerides.txt"),
      orbitFile_(std::filesystem::path(folder) / "orbitas.txt") {}

EphemerisData EphemerisFiles::Load() {
    // A table is dropped before it is parsed again, so a changed file that fails to parse keeps
    // failing until it is repaired, never falling back on its old contents.
    bool changed = false;
    const std::string& elementBytes = elementFile_.Bytes(kEphemerisFileMessage, &changed);
    if (changed || !data_.elements) {
        data_.elements.reset();
        data_.elements = std::make_shared<const ElementTable>(ParseElementTable(elementBytes));
    }
    const std::string& orbitBytes = orbitFile_.Bytes(kOrbitFileMessage, &changed);
    if (changed || !data_.orbits) {
        data_.orbits.reset();
        data_.orbits = std::make_shared<const OrbitTable>(OrbitTable::FromBytes(orbitBytes));
    }
    return data_;
}

}  // namespace orvanel
