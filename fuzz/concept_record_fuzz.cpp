// The concept-record decoder on any bytes, and a whole concept file made of them: fields of their
// fixed widths, finite numbers, a record count as the file length rule gives it, a name search that
// stays inside the table.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "conceptplane/concept_table.h"
#include "conceptplane/numeric.h"
#include "fuzz_check.h"

namespace {

void CheckRecord(const cp::ConceptRecord& r) {
    fuzz::Check(r.reference.size() == 30 && r.name.size() == 30, "reference or name not 30 characters");
    fuzz::Check(r.degrees.size() == 13 && r.radius.size() == 13 && r.x.size() == 13 && r.y.size() == 13,
                "a numeric field is not 13 characters");
    fuzz::Check(std::isfinite(r.degreesValue) && std::isfinite(r.radiusValue) && std::isfinite(r.xValue) &&
                    std::isfinite(r.yValue),
                "a numeric field read as non-finite");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckRecord(cp::DecodeConceptRecord(bytes.substr(0, cp::kConceptRecordLength)));

    const cp::ConceptTable table = cp::ConceptTable::FromBytes(bytes);
    const double expected = cp::RoundHalfEven(static_cast<double>(size) / cp::kConceptRecordLength);
    fuzz::Check(table.Count() == static_cast<std::int32_t>(expected), "record count off the length rule");
    for (const cp::ConceptRecord& r : table.Records())
        CheckRecord(r);
    const std::int32_t found = table.FindByName(table.Count() > 0 ? table.Read(1).name : cp::Text(30, U' '));
    fuzz::Check(found >= 0 && found <= table.Count(), "name search outside the table");
    fuzz::Check(table.Count() == 0 || found >= 1, "name search found nothing in a non-empty table");
    return 0;
}
