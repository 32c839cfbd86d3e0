#include "cp1252.h"

#include <array>

namespace cp {

namespace {

// 0x80..0x9F; the undefined positions keep their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t DecodeByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHighControls[b - 0x80];
    return b;
}

}  // namespace

Text DecodeCp1252(std::string_view bytes) {
    Text out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.push_back(DecodeByte(static_cast<unsigned char>(b)));
    return out;
}

std::optional<char> EncodeCp1252Char(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

std::string EncodeCp1252(const Text& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        out.push_back(EncodeCp1252Char(c).value_or('?'));
    return out;
}

}  // namespace cp
