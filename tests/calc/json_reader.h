// JSON documents for the tests, read strictly (anything that is not valid JSON is refused, so that
// every document orvanel-calc prints is checked for form as well as content) into a form easy to index.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "json/json_reader.h"

namespace calc_test {

struct JsonValue {
    using Kind = json::Value::Kind;
    Kind kind = Kind::Null;
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
