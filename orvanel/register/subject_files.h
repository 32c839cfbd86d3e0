// Import and export files of the register: CSV or JSON by the file's extension (.csv, .json, in any
// case). An export replaces the file in one step, so a failure never leaves half a file behind.
#pragma once

#include <string>
#include <vector>

#include "orvanel/register/parsed_subjects.h"

namespace orvanel::subjects {

// The subjects of a file, or its first bad line. A file that cannot be read, is too large or has
// another extension throws RegisterFault.
ParsedSubjects ReadSubjectsFile(const std::string& path);

// Writes the subjects (JSON with one subject a line); a failure throws RegisterFault and leaves any
// file already at `path` as it was.
void WriteSubjectsFile(const std::string& path, const std::vector<Subject>& subjects);

}  // namespace orvanel::subjects
