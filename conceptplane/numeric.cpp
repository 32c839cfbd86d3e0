#include "numeric.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "faults.h"

namespace cp {

double RoundHalfEven(double v) {
    return std::nearbyint(v);
}

double RoundHalfAway(double v) {
    return std::round(v);
}

namespace {

template <typename T>
std::optional<T> TryWhole(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double r = RoundHalfEven(v);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max())) {
        return std::nullopt;
    }
    return static_cast<T>(r);
}

bool IsIgnored(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n';
}

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// The characters of the leading number, blanks removed, as plain ASCII for strtod.
std::string LeadingNumber(std::u32string_view text) {
    std::string s;
    for (char32_t c : text) {
        if (!IsIgnored(c)) s.push_back(c < 0x80 ? static_cast<char>(c) : '\x7F');
    }
    std::size_t i = 0;
    std::string out;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) out.push_back(s[i++]);
    bool digits = false;
    while (i < s.size() && IsDigit(static_cast<char32_t>(s[i])))
        out.push_back(s[i++]), digits = true;
    if (i < s.size() && s[i] == '.') {
        out.push_back(s[i++]);
        while (i < s.size() && IsDigit(static_cast<char32_t>(s[i])))
            out.push_back(s[i++]), digits = true;
    }
    if (!digits) return std::string();
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
        const std::size_t first = j;
        while (j < s.size() && IsDigit(static_cast<char32_t>(s[j])))
            exponent.push_back(s[j++]);
        if (j > first) out += exponent;
    }
    return out;
}

}  // namespace

std::optional<std::int16_t> TryInt16(double v) {
    return TryWhole<std::int16_t>(v);
}
std::optional<std::int32_t> TryInt32(double v) {
    return TryWhole<std::int32_t>(v);
}

std::int16_t StoreInt16(double v) {
    const auto r = TryInt16(v);
    if (!r) throw OverflowFault();
    return *r;
}

std::int32_t StoreInt32(double v) {
    const auto r = TryInt32(v);
    if (!r) throw OverflowFault();
    return *r;
}

float StoreSingle(double v) {
    if (!FitsSingle(v)) throw OverflowFault();
    return static_cast<float>(v);
}

std::int64_t WholeDiv(std::int64_t a, std::int64_t b) {
    if (b == 0) throw OverflowFault();
    return a / b;
}

std::int64_t WholeMod(std::int64_t a, std::int64_t b) {
    if (b == 0) throw OverflowFault();
    return a % b;
}

double NumericValue(std::u32string_view text) {
    const std::string number = LeadingNumber(text);
    if (number.empty()) return 0.0;
    // strtod reads "." as the decimal point only in the C locale, which this program never changes.
    return std::strtod(number.c_str(), nullptr);
}

double LenientNumber(const Text& text) {
    const double v = NumericValue(text);
    return std::isfinite(v) ? v : 0.0;
}

namespace {

// A whole number as printf writes it with "%0*.0f" (at least `digits` digits after the sign, zeros in
// front): in integer arithmetic for the numbers a display shows, with printf for any other.
Text WholeDigits(double r, int digits) {
    constexpr double kIntegerReach = 1e15;
    if (std::fabs(r) >= kIntegerReach || digits < 0 || digits > 20 || (r == 0 && std::signbit(r))) {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%0*.0f", digits + (r < 0 ? 1 : 0), r);
        return Text(buffer, buffer + std::strlen(buffer));
    }
    const auto whole = static_cast<long long>(r);
    auto magnitude = static_cast<unsigned long long>(whole < 0 ? -whole : whole);
    char buffer[32];
    char* const end = buffer + sizeof buffer;
    char* first = end;
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (end - first < digits)
        *--first = '0';
    if (whole < 0) *--first = '-';
    return Text(first, end);
}

}  // namespace

Text FormatHashes(double v) {
    const double r = RoundHalfAway(v);
    if (!std::isfinite(r)) return Text();
    if (r == 0) return Text();
    return WholeDigits(r, 0);
}

Text FormatZeros(double v, int digits) {
    const double r = RoundHalfAway(v);
    if (!std::isfinite(r)) return Text();
    return WholeDigits(r, digits);
}

}  // namespace cp
