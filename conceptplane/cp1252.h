// Windows-1252, the code page of the data files: the whole table, 0x80..0x9F included.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text.h"

namespace cp {

// Every byte decodes to one character; the five bytes that the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the control characters of the same number.
Text DecodeCp1252(std::string_view bytes);
// The byte of one character, or nothing when the code page has no such character.
std::optional<char> EncodeCp1252Char(char32_t c);
// Encodes a whole text; characters outside the code page become "?".
std::string EncodeCp1252(const Text& text);

}  // namespace cp
