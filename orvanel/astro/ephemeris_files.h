// efemerides.txt and orbitas.txt of one data folder, read once and held in memory. Every request
// compares the files' size and modification time with those read, and reads a changed file again, so
// a user who edits or replaces a file sees the new contents at the next computation, as if the files
// were read every time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "conceptplane/file_stamp.h"
#include "orvanel/astro/element_table.h"
#include "orvanel/astro/orbit_table.h"

namespace orvanel {

// Both tables of one computation.
struct EphemerisData {
    std::shared_ptr<const ElementTable> elements;
    std::shared_ptr<const OrbitTable> orbits;
};

// One data file held in memory with the size and time it had when read.
class CachedFile {
  public:
    explicit CachedFile(std::filesystem::path path) : path_(std::move(path)) {}
    // The bytes of the file, read again when it changed. A missing or unreadable file throws
    // cp::DataFault(missingMessage). `changed` tells whether the bytes were (re)read by this call.
    const std::string& Bytes(const char* missingMessage, bool* changed);
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
    std::optional<cp::FileStamp> stamp_;  // of the bytes held; nothing before the first read
    std::string bytes_;
};

class EphemerisFiles {
  public:
    // `folder` holds efemerides.txt and orbitas.txt (normally cp::ResolveDataFolder()).
    explicit EphemerisFiles(const std::string& folder);

    // Both tables, checked: a missing or short file throws cp::DataFault with kEphemerisFileMessage or
    // kOrbitFileMessage, before anything is computed.
    EphemerisData Load();

  private:
    CachedFile elementFile_;
    CachedFile orbitFile_;
    EphemerisData data_;
};

}  // namespace orvanel
