// UTF-8 and UTF-32 texts, and the fixed-length fields of both programs.
#include "text.h"

#include <numeric>
#include <string>

namespace cp {

namespace {

// Length of the UTF-8 sequence led by `lead`, 0 for a byte that cannot lead one.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

Text FromUtf8(std::string_view utf8) {
    Text out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = SequenceLength(lead);
        if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        char32_t code = length == 1 ? lead : (lead & (0x7F >> length));
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) valid = false;
            code = (code << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (!valid || overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        out.push_back(code);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::string ToUtf8(const Text& text) {
    std::string out;
    out.reserve(text.size());
    AppendUtf8(out, text);
    return out;
}

void AppendUtf8(std::string& out, const Text& text) {
    // Room for the longest form first, then the bytes written in place.
    const std::size_t start = out.size();
    out.resize(start + 4 * text.size());
    const char* end = std::accumulate(text.begin(), text.end(), out.data() + start, PutUtf8);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

Text Fixed(const Text& text, std::size_t length) {
    Text out = text.substr(0, length);
    out.resize(length, U' ');
    return out;
}

Text PadLeft(const Text& text, std::size_t length) {
    if (text.size() >= length) return text;
    return Text(length - text.size(), U' ') + text;
}

Text Mid(const Text& text, std::size_t start, std::size_t length) {
    return Text(MidView(text, start, length));
}

std::u32string_view MidView(std::u32string_view text, std::size_t start, std::size_t length) {
    if (start == 0 || start > text.size()) return {};
    return text.substr(start - 1, length);
}

Text TrimBlanks(const Text& text) {
    const auto first = text.find_first_not_of(U' ');
    if (first == Text::npos) return Text();
    const auto last = text.find_last_not_of(U' ');
    return text.substr(first, last - first + 1);
}

Text TrimRightBlanks(const Text& text) {
    const auto last = text.find_last_not_of(U' ');
    return last == Text::npos ? Text() : text.substr(0, last + 1);
}

Text FromInt(long long value) {
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

}  // namespace cp
