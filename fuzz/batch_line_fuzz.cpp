// orvanel-calc batch on any bytes as its standard input, with the shipped data: it goes through
// every line, prints one line for each, and every line it prints is one JSON document in UTF-8,
// whatever the bytes that came in.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "command.h"
#include "conceptplane/text.h"
#include "fuzz_check.h"
#include "json/json_reader.h"

namespace {

// The lines std::getline finds: every line end closes one, and text after the last one is one more.
std::size_t LinesIn(const std::string& text) {
    std::size_t lines = 0;
    for (const char c : text)
        lines += c == '\n' ? 1 : 0;
    return lines + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // Lines that could write a file where they say (a register, an exported list) are not run.
    if (input.find("--register") != std::string::npos || input.find("export") != std::string::npos) return 0;
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = calc::RunCommandLine({"batch"}, in, out, err, ORVANEL_FUZZ_DATA_DIR);
    fuzz::Check(status == calc::kExitOk && err.str().empty(), "batch failed as a whole");
    const std::string output = out.str();
    fuzz::Check(LinesIn(output) == LinesIn(input) && (output.empty() || output.back() == '\n'),
                "not one output line per input line");
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        fuzz::Check(cp::ToUtf8(cp::FromUtf8(line)) == line, "an output line that is not UTF-8");
        fuzz::Check(json::Read(line).value.has_value(), "an output line that is not one JSON document");
    }
    return 0;
}
