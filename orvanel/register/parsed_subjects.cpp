// The checks every import file passes, whatever its format.
#include "orvanel/register/parsed_subjects.h"

#include <unordered_map>

#include "orvanel/register/name_key.h"

namespace orvanel::subjects {

ParsedSubjects CheckedSubjects(std::vector<Subject> subjects, const std::vector<std::size_t>& lines) {
    std::unordered_map<std::string, std::size_t> seen;  // name key -> line
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        Subject& s = subjects[i];
        s.name = TrimName(s.name);
        if (auto reason = SubjectProblem(s)) return {{}, ImportProblem{lines[i], *reason}};
        const auto [at, added] = seen.emplace(NameKey(s.name), lines[i]);
        if (!added) {
            return {{},
                    ImportProblem{lines[i], "el nombre «" + s.name + "» ya está en la línea " +
                                                std::to_string(at->second)}};
        }
    }
    return {std::move(subjects), std::nullopt};
}

std::string ImportProblemMessage(const ImportProblem& problem) {
    std::string message = "No se ha importado ningún sujeto: ";
    if (problem.line > 0) message += "línea " + std::to_string(problem.line) + ": ";
    return message + problem.reason;
}

}  // namespace orvanel::subjects
