// CSV as RFC 4180 writes it: fields separated by commas, records by line ends, a field that holds a
// comma, a quote or a line end enclosed in quotes, with quotes inside doubled. The reader also takes
// bare LF line ends and a leading UTF-8 byte order mark (spreadsheets write both), and skips empty
// lines.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orvanel/register/parsed_subjects.h"

namespace orvanel::subjects {

struct CsvRecord {
    std::size_t line = 0;  // the line the record starts on
    std::vector<std::string> fields;
};

struct CsvRecords {
    std::vector<CsvRecord> records;
    std::optional<ImportProblem> problem;
};
CsvRecords ReadCsvRecords(std::string_view text);

// One record with its CR LF line end.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace orvanel::subjects
