// The tests' JSON documents, read by the project's strict reader.
#include "json_reader.h"

#include <cstdlib>
#include <stdexcept>

namespace calc_test {

namespace {

JsonValue Converted(const json::Value& v) {
    JsonValue out;
    out.kind = v.kind;
    out.boolean = v.boolean;
    out.text = v.text;
    if (v.kind == json::Value::Kind::Number) out.number = std::strtod(v.text.c_str(), nullptr);
    for (const json::Value& item : v.items)
        out.items.push_back(Converted(item));
    for (std::size_t i = 0; i < v.names.size(); ++i) {
        out.members[v.names[i]] = Converted(v.values[i]);
        out.order.push_back(v.names[i]);
    }
    return out;
}

}  // namespace

const JsonValue& JsonValue::operator[](const std::string& name) const {
    const auto it = members.find(name);
    if (it == members.end()) throw std::runtime_error("no member " + name);
    return it->second;
}

JsonValue ParseJson(const std::string& document) {
    const json::ReadResult read = json::Read(document, 64);
    if (!read.value) {
        throw std::runtime_error("not JSON at line " + std::to_string(read.error.line) + ": " +
                                 read.error.reason);
    }
    return Converted(*read.value);
}

}  // namespace calc_test
