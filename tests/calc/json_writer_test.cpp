// The JSON writer: separators in nested containers, every text escaped into valid UTF-8, and reals
// that read back to the very value written.
#include "json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "calc_run.h"
#include "json/json_reader.h"

namespace calc_test {
namespace {

TEST(JsonWriter, WritesDocumentsThatReadBackAsWritten) {
    const std::string r = "\xEF\xBF\xBD";  // U+FFFD
    const struct {
        std::string in, out;
        const char* why;
    } texts[] = {
        {"a\"b\\c", R"("a\"b\\c")", "a quote and a backslash"},
        {"\r\n\t", R"("\r\n\t")", "the short escapes"},
        {"\x01\x1f\x7f", R"("\u0001\u001f\u007f")", "other control characters"},
        {"Plutón € \xF0\x9F\x98\x80", "\"Plutón € \xF0\x9F\x98\x80\"", "well-formed UTF-8 kept as it is"},
        {"a\xFF", "\"a" + r + "\"", "a byte no UTF-8 text holds"},
        {"\xC3(\xC3", "\"" + r + "(" + r + "\"", "a lead byte without its continuation, or cut short"},
        {"\xC0\xAF", "\"" + r + r + "\"", "an overlong form"},
        {"\xED\xA0\x80", "\"" + r + r + r + "\"", "a surrogate"},
        {"\xF4\x90\x80\x80", "\"" + r + r + r + r + "\"", "beyond U+10FFFF"},
    };
    for (const auto& c : texts) {
        EXPECT_EQ(calc::QuoteJson(c.in), c.out) << c.why;
        EXPECT_TRUE(json::Read(c.out).value) << "not JSON: " << c.why;
    }
    // No JSON form for non-finite values.
    EXPECT_EQ(calc::JsonWriter().Single(std::numeric_limits<float>::infinity()).Str(), "null");
    EXPECT_EQ(calc::JsonWriter().Double(std::nan("")).Str(), "null");
    for (const float v : {0.1f, 56.6968994f, -1.0e-7f, 3.40282347e38f, 1.17549435e-38f})
        EXPECT_EQ(std::strtof(calc::JsonWriter().Single(v).Str().c_str(), nullptr), v);
    for (const double v : {0.1, 1.0 / 3.0, -2444238.5, 1e-300, 1.7976931348623157e308})
        EXPECT_EQ(std::strtod(calc::JsonWriter().Double(v).Str().c_str(), nullptr), v);
}

}  // namespace
}  // namespace calc_test
