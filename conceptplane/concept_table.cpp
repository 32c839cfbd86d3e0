#include "concept_table.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "cp1252.h"
#include "numeric.h"

namespace cp {

namespace {

struct Field {
    std::size_t offset, width;
};
constexpr Field kReference{0, 30}, kName{30, 30}, kDegrees{60, 13}, kRadius{73, 13}, kX{86, 13}, kY{99, 13};

Text Take(const Text& record, Field f) {
    return record.substr(f.offset, f.width);
}

std::size_t RecordCount(std::size_t bytes) {
    return static_cast<std::size_t>(
        RoundHalfEven(static_cast<double>(bytes) / static_cast<double>(kConceptRecordLength)));
}

// False for anything but a readable regular file: the stream library throws when asked to read a
// folder, and a device could be endless.
bool ReadWhole(const std::string& path, std::string* bytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    try {
        bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        return false;
    }
    return !in.bad();
}

}  // namespace

ConceptRecord DecodeConceptRecord(std::string_view bytes) {
    Text record = DecodeCp1252(bytes.substr(0, std::min<std::size_t>(bytes.size(), 112)));
    record.resize(112, U' ');
    ConceptRecord r;
    r.reference = Take(record, kReference);
    r.name = Take(record, kName);
    r.degrees = Take(record, kDegrees);
    r.radius = Take(record, kRadius);
    r.x = Take(record, kX);
    r.y = Take(record, kY);
    r.degreesValue = LenientNumber(r.degrees);
    r.radiusValue = LenientNumber(r.radius);
    r.xValue = LenientNumber(r.x);
    r.yValue = LenientNumber(r.y);
    return r;
}

std::string EncodeConceptRecord(const ConceptRecord& r) {
    const Text record = Fixed(r.reference, 30) + Fixed(r.name, 30) + Fixed(r.degrees, 13) +
                        Fixed(r.radius, 13) + Fixed(r.x, 13) + Fixed(r.y, 13);
    return EncodeCp1252(record) + "\r\n";
}

ConceptTable ConceptTable::FromBytes(std::string_view bytes) {
    ConceptTable table;
    table.Load(bytes);
    return table;
}

void ConceptTable::Load(std::string_view bytes) {
    const std::size_t count = RecordCount(bytes.size());
    std::vector<ConceptRecord> records;
    records.reserve(count);
    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t offset = n * kConceptRecordLength;
        const std::string_view rest = offset < bytes.size() ? bytes.substr(offset) : std::string_view();
        records.push_back(DecodeConceptRecord(rest.substr(0, 112)));
    }
    records_ = std::move(records);
    grid_ = PlaneGrid(records_);
    directions_ = DirectionBins(records_);
}

bool ConceptTable::Refresh() {
    if (path_.empty()) return false;
    const std::optional<FileStamp> stamp = StampOf(path_.c_str());
    if (versionRead_ && stamp == stamp_) return false;
    std::string bytes;
    const bool read = stamp && ReadWhole(path_, &bytes);
    status_ = read ? OpenStatus::Opened : OpenStatus::Unreadable;
    // A file that exists but could not be read is tried again at the next call, whatever its stamp.
    versionRead_ = read || !stamp;
    stamp_ = stamp;
    Load(bytes);
    return true;
}

ConceptTable ConceptTable::OpenExisting(const std::string& path, OpenStatus* status) {
    ConceptTable table;
    table.path_ = path;
    table.Refresh();
    if (status) *status = table.status_;
    return table;
}

ConceptTable ConceptTable::Open(const std::string& path, OpenStatus* status) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) {
        const bool created = static_cast<bool>(std::ofstream(path, std::ios::binary));
        if (status) *status = created ? OpenStatus::Created : OpenStatus::CreateFailed;
        return OpenExisting(path);
    }
    return OpenExisting(path, status);
}

std::int32_t ConceptTable::FindByName(const Text& paddedName) const {
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].name == paddedName) return static_cast<std::int32_t>(i + 1);
    }
    return Count();
}

}  // namespace cp
