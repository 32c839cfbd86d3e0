// Character strings of both programs. Fixed-length fields are counted in characters, never in UTF-8
// bytes: "¡" is one character of the 48-character positions text, so texts are held as UTF-32.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cp {

using Text = std::u32string;

// What stands for bytes or values that are no character.
inline constexpr char32_t kReplacement = 0xFFFD;

Text FromUtf8(std::string_view utf8);
std::string ToUtf8(const Text& text);
// ToUtf8 onto the end of `out`.
void AppendUtf8(std::string& out, const Text& text);

// Writes the UTF-8 form of `c` at `p` (at most four bytes) and returns the end. A value that is no
// character (a surrogate, beyond U+10FFFF) is written as U+FFFD.
inline char* PutUtf8(char* p, char32_t c) {
    const auto put = [&p](char32_t v) { *p++ = static_cast<char>(v); };
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
    return p;
}

// A left-justified field of exactly `length` characters: padded with blanks, or cut.
Text Fixed(const Text& text, std::size_t length);
// A right-justified field: padded with blanks on the left; a longer text is kept whole.
Text PadLeft(const Text& text, std::size_t length);
// Characters start..start+length-1 (1-based); the part past the end is simply missing.
Text Mid(const Text& text, std::size_t start, std::size_t length);
// Mid without a copy: a view of `text`.
std::u32string_view MidView(std::u32string_view text, std::size_t start, std::size_t length);
// Removes blanks (spaces only, not tabs) at both ends.
Text TrimBlanks(const Text& text);
Text TrimRightBlanks(const Text& text);
// Decimal digits of a whole number, with a leading minus sign when negative.
Text FromInt(long long value);

}  // namespace cp
