// The concept file concptos.txt: fixed 114-byte records in Windows-1252, one concept each, decoded
// once per version of the file and held in file order, with two indexes built with them (the
// concepts by plane place and by direction). Every consumer scans records 1..Count().
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "direction_bins.h"
#include "file_stamp.h"
#include "plane_grid.h"
#include "text.h"

namespace cp {

// Base radii of the eight levels, in plane units.
inline constexpr int kLevelRadius[8] = {100, 193, 373, 721, 1393, 2691, 5198, 10042};
inline constexpr int kConceptRecordLength = 114;

struct ConceptRecord {
    Text reference;              // 30 characters, with trailing blanks
    Text name;                   // 30 characters, with trailing blanks
    Text degrees, radius, x, y;  // the 13-character numeric fields as stored
    // The numeric fields read leniently (0 for a field that holds no number), once at opening.
    double degreesValue = 0, radiusValue = 0, xValue = 0, yValue = 0;
};

// Decodes one record; a short record (the last one of a file cut short) is padded with blanks.
ConceptRecord DecodeConceptRecord(std::string_view bytes);
// Encodes a record into its 114 bytes (fields fitted to their widths, CR LF at the end).
std::string EncodeConceptRecord(const ConceptRecord& record);

class ConceptTable {
  public:
    enum class OpenStatus {
        Opened,        // the file was read
        Created,       // it did not exist and was created empty
        CreateFailed,  // it did not exist and could not be created: an empty table
        Unreadable,    // it exists but cannot be read: an empty table
    };

    // Opens `path` as the programs do at start: a missing file is created empty.
    static ConceptTable Open(const std::string& path, OpenStatus* status = nullptr);
    // Opens without ever creating the file (orvanel-calc and tools write nothing); a missing file
    // gives an empty table that Refresh fills once the file appears.
    static ConceptTable OpenExisting(const std::string& path, OpenStatus* status = nullptr);
    // A table of these bytes, bound to no file.
    static ConceptTable FromBytes(std::string_view bytes);

    // Reads the file again when its size or modification time differ from those of the version
    // held, as if every scan read the file: a file changed, replaced, gone or unreadable gives its
    // new records, or none. One stat when nothing changed. True when the records were read again.
    bool Refresh();
    // How the version held was read: Opened, or Unreadable for a file gone or unreadable.
    OpenStatus Status() const { return status_; }

    // File length / 114, rounded halves to even, so a last record without its line end still counts.
    std::int32_t Count() const { return static_cast<std::int32_t>(records_.size()); }
    // Record n, 1 <= n <= Count().
    const ConceptRecord& Read(std::int32_t n) const { return records_[static_cast<std::size_t>(n - 1)]; }
    const std::vector<ConceptRecord>& Records() const { return records_; }
    // The first record whose 30-character Name equals `paddedName` exactly; when none does, the last
    // record (what a scan leaves in the buffer); 0 for an empty table.
    std::int32_t FindByName(const Text& paddedName) const;

    // The indexes of the records held.
    const PlaneGrid& Grid() const { return grid_; }
    const DirectionBins& Directions() const { return directions_; }

  private:
    void Load(std::string_view bytes);

    std::vector<ConceptRecord> records_;
    PlaneGrid grid_;
    DirectionBins directions_;
    std::string path_;  // empty for a table bound to no file
    bool versionRead_ = false;
    std::optional<FileStamp> stamp_;  // of the version held
    OpenStatus status_ = OpenStatus::Opened;
};

// The message of an unreadable concept file, and its caption.
inline constexpr char kUnreadableConceptsMessage[] = "No se puede leer el archivo concptos.txt";
inline constexpr char kDataFilesCaption[] = "Archivos de datos";

}  // namespace cp
