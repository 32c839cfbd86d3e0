// Shared pieces of the astro tests: synthetic ephemeris tables whose results are known by hand, a
// temporary data folder, positions texts and concept files built from values.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "conceptplane/concept_table.h"
#include "orvanel/astro/ephemeris_files.h"

namespace astro_test {

// Every orbit with eccentricity 0: the true anomaly equals the mean anomaly, whole degrees.
std::string IdentityOrbitBytes();
// All seventy elements zero, written as the file would hold them.
orvanel::ElementTable ZeroElements();
std::string ElementBytes(const orvanel::ElementTable& table);
orvanel::EphemerisData DataOf(const orvanel::ElementTable& elements, const std::string& orbitBytes);

// A folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string Path() const { return path_.string(); }
    void Write(const std::string& name, const std::string& bytes) const;

  private:
    std::filesystem::path path_;
};

// The source tree's data folder.
std::string SourceData(const std::string& name);
std::string ReadBytes(const std::string& path);

// A 48-character positions text with the given twelve longitudes (direct marks, the node "!").
cp::Text PositionsText(const std::vector<int>& longitudes);

// A concept file with one record per (name, degrees, radius).
struct Concept {
    cp::Text name;
    double degrees, radius;
};
cp::ConceptTable ConceptsOf(const std::vector<Concept>& concepts);

}  // namespace astro_test
