// What a reader of an import file gives: every subject of the file, or the first bad line and why.
// An import is all or nothing, so one problem refuses the whole file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "orvanel/register/subject.h"

namespace orvanel::subjects {

struct ImportProblem {
    std::size_t line = 0;
    std::string reason;
};

struct ParsedSubjects {
    std::vector<Subject> subjects;
    std::optional<ImportProblem> problem;
};

// The subjects read from a file, each with the line it starts on: names trimmed, then every subject
// checked (SubjectProblem) and no name allowed twice. The first problem refuses the file.
ParsedSubjects CheckedSubjects(std::vector<Subject> subjects, const std::vector<std::size_t>& lines);

// "No se ha importado ningún sujeto: línea 7: falta el nombre".
std::string ImportProblemMessage(const ImportProblem& problem);

}  // namespace orvanel::subjects
