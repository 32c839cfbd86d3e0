// The register's subjects as CSV (UTF-8, RFC 4180): a header line "nombre,año,mes,día,hora,notas,
// creado,modificado", then one subject a record. The reader takes the columns in any order; nombre,
// año, mes, día and hora are required, the others may be left out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "orvanel/register/parsed_subjects.h"

namespace orvanel::subjects {

std::string SubjectsToCsv(const std::vector<Subject>& subjects);
ParsedSubjects SubjectsFromCsv(std::string_view text);

}  // namespace orvanel::subjects
