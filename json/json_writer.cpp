// One-line JSON output.
#include "json/json_writer.h"

#include <cmath>
#include <cstdio>

namespace json {

namespace {

std::string FormatReal(double value, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    return buffer;
}

}  // namespace

std::string QuoteJson(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

std::string ErrorDocument(std::string_view message) {
    JsonWriter json;
    json.BeginObject().Key("error").String(message).EndObject();
    return json.Str();
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasValue_.empty()) {
        if (hasValue_.back()) out_ += ", ";
        hasValue_.back() = true;
    }
}

void JsonWriter::Raw(std::string_view text) {
    BeforeValue();
    out_ += text;
}

JsonWriter& JsonWriter::BeginObject() {
    Raw("{");
    hasValue_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    hasValue_.pop_back();
    out_ += '}';
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    Raw("[");
    hasValue_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    hasValue_.pop_back();
    out_ += ']';
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
    BeforeValue();
    out_ += QuoteJson(name);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
    Raw(QuoteJson(utf8));
    return *this;
}

JsonWriter& JsonWriter::String(const cp::Text& text) {
    return String(cp::ToUtf8(text));
}

JsonWriter& JsonWriter::Int(std::int64_t value) {
    Raw(std::to_string(value));
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    Raw(value ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::Single(float value) {
    if (!std::isfinite(value)) return Null();
    Raw(FormatReal(static_cast<double>(value), 9));
    return *this;
}

JsonWriter& JsonWriter::Double(double value) {
    if (!std::isfinite(value)) return Null();
    Raw(FormatReal(value, 17));
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Raw("null");
    return *this;
}

JsonWriter& JsonWriter::Strings(const std::vector<cp::Text>& texts) {
    BeginArray();
    for (const auto& text : texts)
        String(text);
    return EndArray();
}

JsonWriter& JsonWriter::Ints(const std::vector<std::int64_t>& values) {
    BeginArray();
    for (const auto value : values)
        Int(value);
    return EndArray();
}

}  // namespace json
