// The batch loop: each line runs as its own command line, with the batch's data folder as default.
#include "batch_command.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "calc_args.h"
#include "command.h"
#include "json_writer.h"

namespace calc {

namespace {

// The JSON document of one batch line, without its line end.
std::string RunBatchLine(const std::string& line, const std::string& dataDir,
                         const std::string& registerFile) {
    const std::vector<std::string> words = SplitWords(line);
    if (!words.empty() && words.front() == "batch") return ErrorDocument("batch cannot run inside batch");
    std::istringstream noInput;
    std::ostringstream out;
    std::ostringstream err;
    if (RunCommandLine(words, noInput, out, err, dataDir, registerFile) != kExitOk) {
        std::string message = err.str();
        while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
            message.pop_back();
        return ErrorDocument(message);
    }
    std::string document = out.str();
    if (!document.empty() && document.back() == '\n') document.pop_back();
    return document;
}

}  // namespace

int RunBatchCommand(const std::vector<std::string>& args, const std::string& dataDir,
                    const std::string& registerFile, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "batch takes no arguments (\"" << args.front()
            << "\"); it reads command lines from standard input\n";
        return kExitUsage;
    }
    std::string line;
    while (std::getline(in, line)) {
        out << RunBatchLine(line, dataDir, registerFile) << '\n';
        out.flush();
    }
    return kExitOk;
}

}  // namespace calc
