// Character strings of both programs. Fixed-length fields are counted in characters, never in UTF-8
// bytes: "¡" is one character of the 48-character positions text, so texts are held as UTF-32.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cp {

using Text = std::u32string;

Text FromUtf8(std::string_view utf8);
std::string ToUtf8(const Text& text);
// ToUtf8 onto the end of `out`.
void AppendUtf8(std::string& out, const Text& text);

// A left-justified field of exactly `length` characters: padded with blanks, or cut.
Text Fixed(const Text& text, std::size_t length);
// A right-justified field: padded with blanks on the left; a longer text is kept whole.
Text PadLeft(const Text& text, std::size_t length);
// Characters start..start+length-1 (1-based); the part past the end is simply missing.
Text Mid(const Text& text, std::size_t start, std::size_t length);
// Removes blanks (spaces only, not tabs) at both ends.
Text TrimBlanks(const Text& text);
Text TrimRightBlanks(const Text& text);
// Decimal digits of a whole number, with a leading minus sign when negative.
Text FromInt(long long value);

}  // namespace cp
