// What the register accepts as a subject, and its texts for a date entry and for the list.
#include "orvanel/register/subject.h"

#include "conceptplane/text.h"
#include "orvanel/register/clock.h"
#include "orvanel/shell/entry_texts.h"

namespace orvanel::subjects {

namespace {

bool IsUtf8(std::string_view text) {
    return cp::ToUtf8(cp::FromUtf8(text)) == text;
}

// C0 and C1 controls and the line and paragraph separators; `allowLineBreaks` lets tabs and line
// ends through (the notes).
bool HasControl(const cp::Text& text, bool allowLineBreaks) {
    for (const char32_t c : text) {
        if (allowLineBreaks && (c == U'\t' || c == U'\n' || c == U'\r')) continue;
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029) return true;
    }
    return false;
}

std::optional<std::string> NameProblem(const std::string& name) {
    const cp::Text text = cp::FromUtf8(name);
    if (cp::TrimBlanks(text).empty()) return "falta el nombre";
    if (text.size() > kMaxNameLength) return "el nombre tiene más de 80 caracteres";
    if (HasControl(text, false)) return "el nombre lleva caracteres de control";
    return std::nullopt;
}

std::optional<std::string> MomentProblem(const Subject& s) {
    for (const std::string* typed : {&s.year, &s.month, &s.day, &s.time}) {
        const cp::Text text = cp::FromUtf8(*typed);
        if (text.size() > kMaxTypedLength || HasControl(text, false))
            return "la fecha o la hora no es válida";
    }
    const EntryTexts t = TextsOf(s);
    if (!MomentOf(TypedEntryDate(t.year, t.month, t.day), t.time)) return "la fecha o la hora no es válida";
    return std::nullopt;
}

}  // namespace

const std::array<SubjectField, 8> kSubjectFields = {{
    {"nombre", "name", &Subject::name, true},
    {"año", "year", &Subject::year, true},
    {"mes", "month", &Subject::month, true},
    {"día", "day", &Subject::day, true},
    {"hora", "time", &Subject::time, true},
    {"notas", "notes", &Subject::notes, false},
    {"creado", "created", &Subject::created, false},
    {"modificado", "changed", &Subject::changed, false},
}};

// Blanks are single bytes in UTF-8, so they are cut from the bytes, leaving any other byte as it is.
std::string TrimName(std::string_view name) {
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(name.substr(first, name.find_last_not_of(' ') - first + 1));
}

std::optional<std::string> SubjectProblem(const Subject& s) {
    for (const std::string* text :
         {&s.name, &s.year, &s.month, &s.day, &s.time, &s.notes, &s.created, &s.changed})
        if (!IsUtf8(*text)) return "el texto no es UTF-8 válido";
    if (auto problem = NameProblem(s.name)) return problem;
    if (auto problem = MomentProblem(s)) return problem;
    const cp::Text notes = cp::FromUtf8(s.notes);
    if (notes.size() > kMaxNotesLength) return "las notas tienen más de 4000 caracteres";
    if (HasControl(notes, true)) return "las notas llevan caracteres de control";
    for (const std::string* stamp : {&s.created, &s.changed})
        if (!stamp->empty() && !IsStamp(*stamp)) return "la fecha de creación o de cambio no es válida";
    return std::nullopt;
}

EntryTexts TextsOf(const Subject& s) {
    return {cp::FromUtf8(s.year), cp::FromUtf8(s.month), cp::FromUtf8(s.day), cp::FromUtf8(s.time)};
}

Subject SubjectOf(std::string name, const EntryTexts& typed) {
    Subject s;
    s.name = std::move(name);
    s.year = cp::ToUtf8(typed.year);
    s.month = cp::ToUtf8(typed.month);
    s.day = cp::ToUtf8(typed.day);
    s.time = cp::ToUtf8(typed.time);
    return s;
}

std::string ShownDate(std::string_view year, std::string_view month, std::string_view day) {
    const cp::Text date = TypedEntryDate(cp::FromUtf8(year), cp::FromUtf8(month), cp::FromUtf8(day));
    return cp::ToUtf8(cp::TrimRightBlanks(EntryDateTextOf(date)));
}

std::string ShownTime(std::string_view time) {
    const cp::Text t = cp::FromUtf8(time);
    return cp::ToUtf8(cp::Mid(t, 1, 2) + U"h." + cp::Mid(t, 4, 2) + U"m.");
}

}  // namespace orvanel::subjects
