// The JSON writer: separators in nested containers, escaping of every control character, and reals
// that read back to the very value written.
#include "json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "json_reader.h"

namespace calc_test {
namespace {

TEST(JsonWriter, NestsContainersWithSeparators) {
    calc::JsonWriter json;
    json.BeginObject();
    json.Key("a").Ints({1, -2});
    json.Key("b")
        .BeginArray()
        .BeginObject()
        .EndObject()
        .BeginArray()
        .EndArray()
        .Null()
        .Bool(false)
        .EndArray();
    json.Key("c").Strings({cp::FromUtf8("¡x!"), cp::Text()});
    json.EndObject();
    EXPECT_EQ(json.Str(), R"({"a": [1, -2], "b": [{}, [], null, false], "c": ["¡x!", ""]})");
}

TEST(JsonWriter, EscapesQuotesBackslashesAndControlCharacters) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"a\"b", R"("a\"b")"},   {"a\\b", R"("a\\b")"},   {"\r\n", R"("\r\n")"},   {"\t", R"("\t")"},
        {"\x01", R"("\u0001")"}, {"\x1f", R"("\u001f")"}, {"\x7f", R"("\u007f")"}, {"Plutón", R"("Plutón")"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calc::QuoteJson(c.in), c.out) << c.in;
        EXPECT_EQ(ParseJson(calc::QuoteJson(c.in)).text, c.in);
    }
    std::string allControls;
    for (char c = 1; c < 0x20; ++c)
        allControls += c;
    EXPECT_EQ(ParseJson(calc::ErrorDocument(allControls))["error"].text, allControls);
}

TEST(JsonWriter, ReplacesEveryByteThatIsNotUtf8) {
    const std::string r = "\xEF\xBF\xBD";  // U+FFFD
    const struct {
        std::string in, out;
        const char* why;
    } cases[] = {
        {"a\xFF", "a" + r, "a byte no UTF-8 text holds"},
        {"\xC3", r, "a sequence cut short"},
        {"\xC3(", r + "(", "a lead byte without its continuation"},
        {"\xC0\xAF", r + r, "an overlong form"},
        {"\xED\xA0\x80", r + r + r, "a surrogate"},
        {"\xF4\x90\x80\x80", r + r + r + r, "beyond U+10FFFF"},
        {"\xE2\x82\xAC \xF0\x9F\x98\x80", "\xE2\x82\xAC \xF0\x9F\x98\x80", "well-formed: kept as it is"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calc::QuoteJson(c.in), "\"" + c.out + "\"") << c.why;
}

TEST(JsonWriter, RealsRoundTrip) {
    for (const float v : {0.1f, 75.0f, 56.6968994f, -1.0e-7f, 3.40282347e38f, 1.17549435e-38f}) {
        calc::JsonWriter json;
        json.Single(v);
        EXPECT_EQ(std::strtof(json.Str().c_str(), nullptr), v) << json.Str();
    }
    for (const double v : {0.1, 1.0 / 3.0, -2444238.5, 1e-300, 1.7976931348623157e308}) {
        calc::JsonWriter json;
        json.Double(v);
        EXPECT_EQ(std::strtod(json.Str().c_str(), nullptr), v) << json.Str();
    }
    calc::JsonWriter json;
    json.BeginArray().Single(std::numeric_limits<float>::infinity()).Double(std::nan("")).EndArray();
    EXPECT_EQ(json.Str(), "[null, null]") << "no JSON form for non-finite values";
}

}  // namespace
}  // namespace calc_test
