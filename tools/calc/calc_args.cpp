// Checked reading of orvanel-calc's arguments.
#include "calc_args.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace calc {

namespace {

std::string Quoted(std::string_view word) {
    return "\"" + std::string(word) + "\"";
}

}  // namespace

CommandWords TakeDataOption(const std::vector<std::string>& words) {
    CommandWords result;
    result.words = words;
    while (auto folder = TakeOption(result.words, "--data"))
        result.dataDir = *folder;
    while (auto file = TakeOption(result.words, "--register"))
        result.registerFile = *file;
    return result;
}

std::optional<std::string> TakeOption(std::vector<std::string>& words, std::string_view name) {
    const auto values = TakeOptionWords(words, name, 1);
    if (!values) return std::nullopt;
    return values->front();
}

std::optional<std::vector<std::string>> TakeOptionWords(std::vector<std::string>& words,
                                                        std::string_view name, std::size_t count) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != name) continue;
        if (i + count >= words.size()) {
            throw UsageError(std::string(name) +
                             (count == 1 ? " needs a value" : " needs " + std::to_string(count) + " values"));
        }
        const auto first = words.begin() + static_cast<std::ptrdiff_t>(i);
        std::vector<std::string> values(first + 1, first + 1 + static_cast<std::ptrdiff_t>(count));
        words.erase(first, first + 1 + static_cast<std::ptrdiff_t>(count));
        return values;
    }
    return std::nullopt;
}

bool TakeFlag(std::vector<std::string>& words, std::string_view name) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != name) continue;
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
    }
    return false;
}

std::int16_t ParseInt16(const std::string& word, std::string_view what) {
    std::size_t start = (!word.empty() && (word[0] == '-' || word[0] == '+')) ? 1 : 0;
    const bool digits =
        start < word.size() && word.find_first_not_of("0123456789", start) == std::string::npos;
    if (!digits) throw UsageError(std::string(what) + " is not a whole number: " + Quoted(word));
    // Skip leading zeros so that a long run of them is still read as the small number it is.
    while (start + 1 < word.size() && word[start] == '0')
        ++start;
    const bool negative = word[0] == '-';
    // cppcheck-suppress knownConditionTrueFalse ; it loses track of start after the loop above
    if (word.size() - start > 5)
        throw UsageError(std::string(what) + " is outside -32768..32767: " + Quoted(word));
    const long magnitude = std::stol(word.substr(start));
    const long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        throw UsageError(std::string(what) + " is outside -32768..32767: " + Quoted(word));
    }
    return static_cast<std::int16_t>(value);
}

double ParseReal(const std::string& word, std::string_view what) {
    if (word.empty() || word.find_first_of(" \t\n") != std::string::npos) {
        throw UsageError(std::string(what) + " is not a number: " + Quoted(word));
    }
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(word.c_str(), &end);
    const bool hexOrWord = word.find_first_of("xXnNiI") != std::string::npos;
    if (end != word.c_str() + word.size() || hexOrWord) {
        throw UsageError(std::string(what) + " is not a number: " + Quoted(word));
    }
    if (!std::isfinite(value) || errno == ERANGE) {
        throw UsageError(std::string(what) + " is not a finite number: " + Quoted(word));
    }
    return value;
}

void ExpectWordCount(const std::vector<std::string>& words, std::size_t count, std::string_view usage) {
    if (words.size() < count) throw UsageError("missing arguments; usage: " + std::string(usage));
    if (words.size() > count)
        throw UsageError("too many arguments (\"" + words[count] + "\"); usage: " + std::string(usage));
}

std::vector<std::string> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    std::string current;
    for (const char c : line) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!current.empty()) words.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) words.push_back(current);
    return words;
}

}  // namespace calc
