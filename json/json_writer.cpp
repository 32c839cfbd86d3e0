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

// Whether JSON takes an ASCII character as it is inside a text.
constexpr bool Plain(char32_t c) {
    return c >= 0x20 && c != '"' && c != '\\' && c != 0x7F;
}

// Writes the escape of an ASCII character that is not Plain at `p` (at most six bytes); the end.
char* PutEscape(char* p, char32_t c) {
    const char* shortForm = nullptr;
    switch (c) {
        case '"':
            shortForm = "\\\"";
            break;
        case '\\':
            shortForm = "\\\\";
            break;
        case '\n':
            shortForm = "\\n";
            break;
        case '\r':
            shortForm = "\\r";
            break;
        case '\t':
            shortForm = "\\t";
            break;
        case '\b':
            shortForm = "\\b";
            break;
        case '\f':
            shortForm = "\\f";
            break;
        default: {
            constexpr char kHex[] = "0123456789abcdef";
            for (const char d : {'\\', 'u', '0', '0', kHex[(c >> 4) & 0xF], kHex[c & 0xF]})
                *p++ = d;
            return p;
        }
    }
    *p++ = shortForm[0];
    *p++ = shortForm[1];
    return p;
}

// Appends the quoted form of `count` characters read by `next`, written in place: room for the
// longest form first (six bytes for an escape, four for a character), then cut to what was written.
template <class Next>
void AppendQuoted(std::string& out, std::size_t count, Next next) {
    const std::size_t start = out.size();
    out.resize(start + 6 * count + 2);
    char* p = out.data() + start;
    *p++ = '"';
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t c = next(i);
        if (c >= 0x80) {
            p = cp::PutUtf8(p, c);
        } else if (Plain(c)) {
            *p++ = static_cast<char>(c);
        } else {
            p = PutEscape(p, c);
        }
    }
    *p++ = '"';
    out.resize(static_cast<std::size_t>(p - out.data()));
}

// A text quoted in one pass, encoded on the way.
void AppendQuoted(std::string& out, const cp::Text& text) {
    AppendQuoted(out, text.size(), [&text](std::size_t i) { return text[i]; });
}

// Any bytes quoted: those that are not UTF-8 (a command line can hold any) become U+FFFD, one each.
void AppendQuoted(std::string& out, std::string_view bytes) {
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    // Most texts, every name of a member among them, need no escape and are copied whole.
    if (std::all_of(bytes.begin(), bytes.end(),
                    [&](char c) { return ascii(c) && Plain(static_cast<char32_t>(c)); })) {
        out += '"';
        out += bytes;
        out += '"';
        return;
    }
    if (!std::all_of(bytes.begin(), bytes.end(), ascii)) return AppendQuoted(out, cp::FromUtf8(bytes));
    AppendQuoted(out, bytes.size(), [bytes](std::size_t i) { return static_cast<char32_t>(bytes[i]); });
}

}  // namespace

std::string QuoteJson(std::string_view text) {
    std::string out;
    AppendQuoted(out, text);
    return out;
}

std::string ErrorDocument(std::string_view message) {
    JsonWriter json;
    json.BeginObject().Key("error").String(message).EndObject();
    return std::move(json).Take();
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
    AppendQuoted(out_, name);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    AppendQuoted(out_, utf8);
    return *this;
}

JsonWriter& JsonWriter::String(const cp::Text& text) {
    BeforeValue();
    AppendQuoted(out_, text);
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
