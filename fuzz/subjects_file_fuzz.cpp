// The register's import readers, CSV and JSON, on any bytes: either a refusal that names a line and
// a reason, with no subject taken, or subjects the register can hold, which written out and read
// again come back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "orvanel/register/subject_csv.h"
#include "orvanel/register/subject_json.h"

namespace {

using orvanel::subjects::ParsedSubjects;

void CheckReader(ParsedSubjects (*read)(std::string_view), std::string (*write)(const ParsedSubjects&),
                 std::string_view bytes) {
    const ParsedSubjects parsed = read(bytes);
    if (parsed.problem) {
        fuzz::Check(parsed.subjects.empty(), "a refused file gave subjects");
        fuzz::Check(parsed.problem->line >= 1 && !parsed.problem->reason.empty(),
                    "a refusal without line or reason");
        return;
    }
    for (const auto& s : parsed.subjects)
        fuzz::Check(!orvanel::subjects::SubjectProblem(s), "a subject taken that the register cannot hold");
    const ParsedSubjects again = read(write(parsed));
    fuzz::Check(!again.problem && again.subjects == parsed.subjects,
                "written and read again, the subjects differ");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckReader(
        orvanel::subjects::SubjectsFromCsv,
        [](const ParsedSubjects& p) { return orvanel::subjects::SubjectsToCsv(p.subjects); }, bytes);
    CheckReader(
        orvanel::subjects::SubjectsFromJson,
        [](const ParsedSubjects& p) { return orvanel::subjects::SubjectsToJson(p.subjects, true); }, bytes);
    return 0;
}
