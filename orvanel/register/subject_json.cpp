// Subjects to and from JSON.
#include "orvanel/register/subject_json.h"

#include "json/json_reader.h"
#include "json/json_writer.h"

namespace orvanel::subjects {

namespace {

std::string SubjectObject(const Subject& s) {
    json::JsonWriter out;
    out.BeginObject();
    for (const SubjectField& m : kSubjectFields)
        out.Key(m.key).String(s.*m.field);
    out.EndObject();
    return out.Str();
}

std::optional<ImportProblem> ReadSubject(const json::Value& v, Subject& s) {
    if (v.kind != json::Value::Kind::Object)
        return ImportProblem{v.line, "cada sujeto debe ser un objeto {…}"};
    for (const SubjectField& m : kSubjectFields) {
        const json::Value* member = v.Member(m.key);
        if (!member) {
            if (m.required) return ImportProblem{v.line, std::string("falta el campo \"") + m.key + "\""};
            continue;
        }
        if (member->kind != json::Value::Kind::String)
            return ImportProblem{member->line, std::string("el campo \"") + m.key + "\" debe ser un texto"};
        s.*m.field = member->text;
    }
    return std::nullopt;
}

}  // namespace

std::string SubjectsToJson(const std::vector<Subject>& subjects, bool linePerSubject) {
    const char* gap = linePerSubject ? "\n" : "";
    std::string text = std::string("{\"subjects\": [") + gap;
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        if (i > 0) text += std::string(",") + (linePerSubject ? "\n" : " ");
        text += SubjectObject(subjects[i]);
    }
    return text + gap + "]}";
}

ParsedSubjects SubjectsFromJson(std::string_view text) {
    const json::ReadResult read = json::Read(text);
    if (!read.value) return {{}, ImportProblem{read.error.line, read.error.reason}};
    const json::Value* list = &*read.value;
    if (list->kind == json::Value::Kind::Object) list = list->Member("subjects");
    if (!list || list->kind != json::Value::Kind::Array)
        return {{}, ImportProblem{read.value->line, "se esperaba {\"subjects\": […]} o una lista […]"}};

    std::vector<Subject> subjects(list->items.size());
    std::vector<std::size_t> lines;
    for (std::size_t i = 0; i < list->items.size(); ++i) {
        if (auto problem = ReadSubject(list->items[i], subjects[i])) return {{}, problem};
        lines.push_back(list->items[i].line);
    }
    return CheckedSubjects(std::move(subjects), lines);
}

}  // namespace orvanel::subjects
