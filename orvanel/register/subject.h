// A subject of the register: a name, the four texts typed for the date and time (so that loading it
// repeats the entry exactly, quirks included), free notes, and when it was created and last changed.
// Texts are UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "orvanel/astro/chart_positions.h"

namespace orvanel::subjects {

struct Subject {
    std::string name;
    std::string year, month, day, time;  // as typed: "2001", "12", "05", "14.30"
    std::string notes;
    std::string created, changed;  // "2024-05-07T10:11:12Z", in UTC
    friend bool operator==(const Subject&, const Subject&) = default;
};

// The fields of a subject as the import and export files name them: the CSV column and the JSON
// key, and whether a file must give it.
struct SubjectField {
    const char* column;
    const char* key;
    std::string Subject::*field;
    bool required;
};
extern const std::array<SubjectField, 8> kSubjectFields;

inline constexpr std::size_t kMaxNameLength = 80;     // characters
inline constexpr std::size_t kMaxTypedLength = 40;    // characters of each typed text
inline constexpr std::size_t kMaxNotesLength = 4000;  // characters

// A name as the register keeps it: without blanks at either end.
std::string TrimName(std::string_view name);

// Why the register cannot hold `s` ("falta el nombre", "la fecha o la hora no es válida", ...), or
// nothing when it can. A date or time whose fields do not fit 16 bits is refused here, so that every
// subject held can be loaded.
std::optional<std::string> SubjectProblem(const Subject& s);

// The typed texts of a subject for a date entry, and a subject named `name` from an entry's texts.
EntryTexts TextsOf(const Subject& s);
Subject SubjectOf(std::string name, const EntryTexts& typed);

// How the list shows a subject's date and time: "05 / 12 / 2001" and "14h.30m.", read from the
// fields as the entry's confirmation reads them.
std::string ShownDate(std::string_view year, std::string_view month, std::string_view day);
std::string ShownTime(std::string_view time);

}  // namespace orvanel::subjects
