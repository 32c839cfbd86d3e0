// A strict reader of JSON text (RFC 8259) for files a user hands in: any bytes give either the
// document or the line of the first fault and a Spanish reason, never a crash. Each value keeps the
// line it starts on, so that later checks can name the line of a bad entry too.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace json {

struct Value {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::size_t line = 1;
    bool boolean = false;
    std::string text;  // a string's UTF-8 text, or a number as written
    std::vector<Value> items;
    // An object's members in their order: names[i] names values[i]; names are unique.
    std::vector<std::string> names;
    std::vector<Value> values;

    // The member `name` of an object; nothing when absent.
    const Value* Member(std::string_view name) const;
};

struct SyntaxError {
    std::size_t line = 0;
    std::string reason;
};

// The document, or the first fault. Nesting deeper than `maxDepth` is a fault, so that no input can
// exhaust the stack.
struct ReadResult {
    std::optional<Value> value;
    SyntaxError error;
};
ReadResult Read(std::string_view text, int maxDepth = 32);

}  // namespace json
