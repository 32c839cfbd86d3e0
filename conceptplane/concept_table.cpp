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

// A folder by the file's name opens as a stream, and a failed read throws from inside the stream
// buffer, past the stream's own state: both are an unreadable file.
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
    const std::size_t count = RecordCount(bytes.size());
    table.records_.reserve(count);
    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t offset = n * kConceptRecordLength;
        const std::string_view rest = offset < bytes.size() ? bytes.substr(offset) : std::string_view();
        table.records_.push_back(DecodeConceptRecord(rest.substr(0, 112)));
    }
    return table;
}

ConceptTable ConceptTable::OpenExisting(const std::string& path, OpenStatus* status) {
    std::string bytes;
    const bool ok = ReadWhole(path, &bytes);
    if (status) *status = ok ? OpenStatus::Opened : OpenStatus::Unreadable;
    return ok ? FromBytes(bytes) : ConceptTable();
}

ConceptTable ConceptTable::Open(const std::string& path, OpenStatus* status) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) {
        std::ofstream created(path, std::ios::binary);
        if (status) *status = created ? OpenStatus::Created : OpenStatus::CreateFailed;
        return ConceptTable();
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
