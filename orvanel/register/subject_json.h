// The register's subjects as JSON: {"subjects": [{"name", "year", "month", "day", "time", "notes",
// "created", "changed"}, ...]}, the same document orvanel-calc's `subjects list` prints. The reader
// also takes the bare array; name and the four typed texts are required, the other members may be
// left out, and members it does not know are passed over.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "orvanel/register/parsed_subjects.h"

namespace orvanel::subjects {

// With `linePerSubject` each subject starts a line of its own (a file a person may read and edit),
// else the document is one line (orvanel-calc's output).
std::string SubjectsToJson(const std::vector<Subject>& subjects, bool linePerSubject);
ParsedSubjects SubjectsFromJson(std::string_view text);

}  // namespace orvanel::subjects
