// Reading the words of an orvanel-calc command line: the --data folder, named options, and the
// checked whole and real numbers of the arguments. Every bad word raises UsageError.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// A command line that cannot be run; the message is the one line printed on standard error.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The words of a command line with every "--data DIR" and "--register FILE" taken out (the last
// of each wins).
struct CommandWords {
    std::vector<std::string> words;
    std::optional<std::string> dataDir;
    std::optional<std::string> registerFile;
};
CommandWords TakeDataOption(const std::vector<std::string>& words);

// Takes "--name VALUE" out of `words`; nothing when the option is absent.
std::optional<std::string> TakeOption(std::vector<std::string>& words, std::string_view name);
// Takes "--name" and the `count` words after it out of `words`; nothing when the option is absent.
std::optional<std::vector<std::string>> TakeOptionWords(std::vector<std::string>& words,
                                                        std::string_view name, std::size_t count);
// Takes the word `name` out of `words`; whether it was there.
bool TakeFlag(std::vector<std::string>& words, std::string_view name);

// A whole number in the signed 16-bit range: an optional sign and decimal digits, nothing else.
// `what` names the argument in the message.
std::int16_t ParseInt16(const std::string& word, std::string_view what);
// A finite real number (decimal point, exponent allowed).
double ParseReal(const std::string& word, std::string_view what);

// Requires exactly `count` words; `usage` is the expected form shown in the message.
void ExpectWordCount(const std::vector<std::string>& words, std::size_t count, std::string_view usage);

// Splits a batch line into words at blanks and tabs.
std::vector<std::string> SplitWords(std::string_view line);

}  // namespace calc
