// One-line JSON output.
#include "json/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace json {

namespace {

std::string FormatReal(double value, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    return buffer;
}

// The escape of a byte that JSON does not take as it is.
void AppendEscape(std::string& out, unsigned char byte) {
    switch (byte) {
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
        default: {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        }
    }
}

// Appends the quoted form of well-formed UTF-8, copying the runs between escapes whole.
void AppendQuoted(std::string& out, std::string_view utf8) {
    out += '"';
    std::size_t run = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\' && byte != 0x7F) continue;
        out.append(utf8, run, i - run);
        AppendEscape(out, byte);
        run = i + 1;
    }
    out.append(utf8, run);
    out += '"';
}

// Bytes that are not UTF-8 (a command line can hold any) become U+FFFD, one each.
std::string_view WellFormed(std::string_view text, std::string& scratch) {
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return text;
    scratch = cp::ToUtf8(cp::FromUtf8(text));
    return scratch;
}

}  // namespace

std::string QuoteJson(std::string_view text) {
    std::string scratch, out;
    AppendQuoted(out, WellFormed(text, scratch));
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
    AppendQuoted(out_, WellFormed(name, scratch_));
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    AppendQuoted(out_, WellFormed(utf8, scratch_));
    return *this;
}

JsonWriter& JsonWriter::String(const cp::Text& text) {
    BeforeValue();
    scratch_.clear();
    cp::AppendUtf8(scratch_, text);
    AppendQuoted(out_, scratch_);
    return *this;
}

JsonWriter& JsonWriter::Int(std::int64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Raw(std::string_view(digits, static_cast<std::size_t>(end - digits)));
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
