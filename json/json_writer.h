// A small writer of one-line JSON documents (orvanel-calc's output, the register's files): objects,
// arrays, texts (UTF-8, every control character escaped, every byte that is not UTF-8 replaced by
// U+FFFD, so that whatever bytes a command line holds the document stays valid), whole numbers, and
// reals printed with enough digits to read back exactly (9 significant digits for single precision,
// 17 for double).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conceptplane/text.h"

namespace json {

class JsonWriter {
  public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The name of the next member of the open object.
    JsonWriter& Key(std::string_view name);

    // Any bytes: those that are not UTF-8 come out as U+FFFD.
    JsonWriter& String(std::string_view utf8);
    JsonWriter& String(const cp::Text& text);
    JsonWriter& Int(std::int64_t value);
    JsonWriter& Bool(bool value);
    // Non-finite values have no JSON form and are written as null.
    JsonWriter& Single(float value);
    JsonWriter& Double(double value);
    JsonWriter& Null();

    // Shorthands: an array of texts, an array of whole numbers.
    JsonWriter& Strings(const std::vector<cp::Text>& texts);
    JsonWriter& Ints(const std::vector<std::int64_t>& values);

    // The document written so far.
    const std::string& Str() const { return out_; }
    // The document, taken out of a writer that is done.
    std::string Take() && { return std::move(out_); }

  private:
    void BeforeValue();
    void Raw(std::string_view text);

    std::string out_;
    // One entry per open container: whether a value has been written in it yet.
    std::vector<char> hasValue_;
    bool afterKey_ = false;
};

// The JSON form of a text, with its quotes.
std::string QuoteJson(std::string_view text);

// A one-member document {"error": message}, as orvanel-calc's batch prints for a failing line.
std::string ErrorDocument(std::string_view message);

}  // namespace json
