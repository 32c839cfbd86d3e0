// Subjects to and from CSV records.
#include "orvanel/register/subject_csv.h"

#include <array>

#include "orvanel/register/csv_records.h"

namespace orvanel::subjects {

namespace {

struct Column {
    const char* title;
    std::string Subject::*field;
    bool required;
};

const std::array<Column, 8> kColumns = {{
    {"nombre", &Subject::name, true},
    {"año", &Subject::year, true},
    {"mes", &Subject::month, true},
    {"día", &Subject::day, true},
    {"hora", &Subject::time, true},
    {"notas", &Subject::notes, false},
    {"creado", &Subject::created, false},
    {"modificado", &Subject::changed, false},
}};

// For each field of the header, the column it names; or the problem with the header.
std::optional<ImportProblem> ReadHeader(const CsvRecord& header, std::vector<const Column*>& order) {
    for (const std::string& title : header.fields) {
        const Column* found = nullptr;
        for (const Column& c : kColumns)
            if (title == c.title) found = &c;
        if (!found)
            return ImportProblem{header.line, "la cabecera nombra una columna desconocida: «" + title + "»"};
        for (const Column* taken : order)
            if (taken == found)
                return ImportProblem{header.line, "la cabecera repite la columna «" + title + "»"};
        order.push_back(found);
    }
    for (const Column& c : kColumns) {
        bool present = false;
        for (const Column* taken : order)
            present = present || taken == &c;
        if (c.required && !present)
            return ImportProblem{header.line,
                                 std::string("a la cabecera le falta la columna «") + c.title + "»"};
    }
    return std::nullopt;
}

}  // namespace

std::string SubjectsToCsv(const std::vector<Subject>& subjects) {
    std::vector<std::string> titles;
    for (const Column& c : kColumns)
        titles.emplace_back(c.title);
    std::string text = CsvLine(titles);
    for (const Subject& s : subjects) {
        std::vector<std::string> fields;
        for (const Column& c : kColumns)
            fields.push_back(s.*c.field);
        text += CsvLine(fields);
    }
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
