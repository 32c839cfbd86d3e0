// Splitting CSV text into records and fields, and quoting fields for it.
#include "orvanel/register/csv_records.h"

namespace orvanel::subjects {

namespace {

class CsvReader {
  public:
    explicit CsvReader(std::string_view text) : s_(text) {
        if (s_.starts_with("\xEF\xBB\xBF")) s_.remove_prefix(3);
    }

    CsvRecords All() {
        CsvRecords out;
        while (i_ < s_.size()) {
            if (AtLineEnd()) {  // an empty line
                SkipLineEnd();
                continue;
            }
            CsvRecord record{line_, {}};
            for (;;) {
                std::string field;
                if (auto problem = Field(field)) {
                    out.problem = problem;
                    out.records.clear();
                    return out;
                }
                record.fields.push_back(std::move(field));
                if (i_ < s_.size() && s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                SkipLineEnd();
                break;
            }
            out.records.push_back(std::move(record));
        }
        return out;
    }

  private:
    bool AtLineEnd() const { return s_[i_] == '\n' || s_.substr(i_).starts_with("\r\n"); }

    void SkipLineEnd() {
        if (i_ < s_.size() && s_[i_] == '\r') ++i_;
        if (i_ < s_.size() && s_[i_] == '\n') ++i_;
        ++line_;
    }

    bool AtFieldEnd() const { return i_ >= s_.size() || s_[i_] == ',' || AtLineEnd(); }

    std::optional<ImportProblem> Field(std::string& field) {
        if (i_ < s_.size() && s_[i_] == '"') return Quoted(field);
        while (!AtFieldEnd()) {
            if (s_[i_] == '"') return ImportProblem{line_, "comillas dentro de un campo sin comillas"};
            if (s_[i_] == '\r') return ImportProblem{line_, "un retorno de carro suelto"};
            field += s_[i_++];
        }
        return std::nullopt;
    }

    std::optional<ImportProblem> Quoted(std::string& field) {
        const std::size_t startLine = line_;
        ++i_;
        for (;;) {
            if (i_ >= s_.size()) return ImportProblem{startLine, "un campo entre comillas no se cierra"};
            const char c = s_[i_++];
            if (c == '"') {
                if (i_ < s_.size() && s_[i_] == '"') {
                    field += '"';
                    ++i_;
                    continue;
                }
                if (!AtFieldEnd())
                    return ImportProblem{line_, "texto tras las comillas que cierran un campo"};
                return std::nullopt;
            }
            if (c == '\n') ++line_;
            field += c;
        }
    }

    std::string_view s_;
    std::size_t i_ = 0;
    std::size_t line_ = 1;
};

bool NeedsQuotes(const std::string& field) {
    return field.find_first_of(",\"\r\n") != std::string::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}

}  // namespace

CsvRecords ReadCsvRecords(std::string_view text) {
    return CsvReader(text).All();
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        const std::string& f = fields[i];
        if (!NeedsQuotes(f)) {
            line += f;
            continue;
        }
        line += '"';
        for (const char c : f) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line + "\r\n";
}

}  // namespace orvanel::subjects
