// A strict reader of JSON documents for the tests: it refuses anything that is not valid JSON, so
// that every document orvanel-calc prints is checked for form as well as content.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace calc_test {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;  // the decoded string (UTF-8), or the number as written
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;
    std::vector<std::string> order;  // member names in document order

    const JsonValue& operator[](const std::string& name) const;
    const JsonValue& operator[](std::size_t i) const { return items.at(i); }
    bool Has(const std::string& name) const { return members.count(name) != 0; }
};

// Parses a whole document (surrounding blanks allowed); throws std::runtime_error when it is not JSON.
JsonValue ParseJson(const std::string& document);

}  // namespace calc_test
