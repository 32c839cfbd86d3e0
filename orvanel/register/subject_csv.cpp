// Subjects to and from CSV records.
#include "orvanel/register/subject_csv.h"

#include <algorithm>
#include <array>

#include "orvanel/register/csv_records.h"

namespace orvanel::subjects {

namespace {

using Column = SubjectField;

bool Taken(const std::vector<const Column*>& order, const Column* column) {
    return std::find(order.begin(), order.end(), column) != order.end();
}

// For each field of the header, the column it names; or the problem with the header.
std::optional<ImportProblem> ReadHeader(const CsvRecord& header, std::vector<const Column*>& order) {
    for (const std::string& title : header.fields) {
        const auto found = std::find_if(kSubjectFields.begin(), kSubjectFields.end(),
                                        [&](const Column& c) { return title == c.column; });
        if (found == kSubjectFields.end())
            return ImportProblem{header.line, "la cabecera nombra una columna desconocida: «" + title + "»"};
        if (Taken(order, &*found))
            return ImportProblem{header.line, "la cabecera repite la columna «" + title + "»"};
        order.push_back(&*found);
    }
    for (const Column& c : kSubjectFields) {
        if (c.required && !Taken(order, &c))
            return ImportProblem{header.line,
                                 std::string("a la cabecera le falta la columna «") + c.column + "»"};
    }
    return std::nullopt;
}

// The fields of one record, in the columns' order.
template <class Field>
std::string Record(const Field& field) {
    std::vector<std::string> fields(kSubjectFields.size());
    std::transform(kSubjectFields.begin(), kSubjectFields.end(), fields.begin(), field);
    return CsvLine(fields);
}

}  // namespace

std::string SubjectsToCsv(const std::vector<Subject>& subjects) {
    std::string text = Record([](const Column& c) { return std::string(c.column); });
    for (const Subject& s : subjects)
        text += Record([&](const Column& c) { return s.*c.field; });
    return text;
}

ParsedSubjects SubjectsFromCsv(std::string_view text) {
    CsvRecords read = ReadCsvRecords(text);
    if (read.problem) return {{}, read.problem};
    if (read.records.empty()) return {{}, ImportProblem{1, "falta la línea de cabecera"}};
    std::vector<const Column*> order;
    if (auto problem = ReadHeader(read.records.front(), order)) return {{}, problem};

    std::vector<Subject> subjects;
    std::vector<std::size_t> lines;
    for (std::size_t r = 1; r < read.records.size(); ++r) {
        const CsvRecord& record = read.records[r];
        if (record.fields.size() != order.size()) {
            return {{},
                    ImportProblem{record.line, "tiene " + std::to_string(record.fields.size()) +
                                                   " campos y la cabecera " + std::to_string(order.size())}};
        }
        Subject s;
        for (std::size_t f = 0; f < order.size(); ++f)
            s.*(order[f]->field) = record.fields[f];
        subjects.push_back(std::move(s));
        lines.push_back(record.line);
    }
    return CheckedSubjects(std::move(subjects), lines);
}

}  // namespace orvanel::subjects
