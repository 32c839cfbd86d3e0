// Fixed-length texts, 1-based substrings and both text encodings.
#include <gtest/gtest.h>

#include "conceptplane/cp1252.h"
#include "conceptplane/text.h"

using namespace cp;

TEST(FixedTexts, PadCutAndSlice) {
    const std::pair<Text, Text> cases[] = {
        {Fixed(U"abc", 5), U"abc  "},     {PadLeft(U"abcdef", 4), U"abcdef"},
        {Mid(U"123¡456!", 4, 1), U"¡"},   {Mid(U"abc", 3, 5), U"c"},
        {Mid(U"abc", 4, 1), U""},         {TrimBlanks(U"  a b \t "), U"a b \t"},
        {TrimRightBlanks(U" a  "), U" a"}};
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(got, expected);
}

TEST(Utf8, RoundTripsAndReplacesBadBytes) {
    // The first characters of two, three and four bytes, and the characters around the surrogates.
    const Text t = U"¡Géminis ☉! \u0080\u0800\U00010000\uD7FF\uE000\U0010FFFF";
    EXPECT_EQ(FromUtf8(ToUtf8(t)), t);
    for (const char32_t surrogate : {0xD800, 0xDFFF})  // a lone surrogate is no character
        EXPECT_EQ(ToUtf8(Text(1, surrogate)), ToUtf8(U"\uFFFD")) << static_cast<int>(surrogate);
    EXPECT_EQ(FromUtf8("a\xFF"), Text(U"a\uFFFD"));
    EXPECT_EQ(FromUtf8("\xC3"), Text(U"\uFFFD"));
    EXPECT_EQ(FromUtf8("\xE0\x80\x80"), Text(U"\uFFFD\uFFFD\uFFFD"));  // overlong
}

TEST(Cp1252, DecodesTheWholeCodePage) {
    EXPECT_EQ(DecodeCp1252("\xE1\xF1\xA1"), U"áñ¡");
    EXPECT_EQ(DecodeCp1252("\x80\x8A\x9F"), Text(U"\u20AC\u0160\u0178"));
    EXPECT_EQ(DecodeCp1252("\x81\x8D\x8F\x90\x9D"), Text(U"\u0081\u008D\u008F\u0090\u009D"));
    for (int b = 0; b < 256; ++b)  // each byte one character, encoded back to itself
        EXPECT_EQ(EncodeCp1252(DecodeCp1252(std::string(1, static_cast<char>(b)))),
                  std::string(1, static_cast<char>(b)));
    EXPECT_EQ(EncodeCp1252(U"☉\u0100"), "??");
}
