// The batch loop: each line runs as its own command line, with the batch's data folder as default.
// The data files stay loaded between lines (loaded_data.h), and the documents go out through one
// buffer.
#include "batch_command.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "calc_args.h"
#include "command.h"
#include "json_writer.h"

namespace calc {

namespace {

// Output is written when this much has gathered, or sooner when no further input is waiting.
constexpr std::size_t kOutputChunk = 1 << 16;

// The JSON document of one batch line, without its line end, onto the end of `documents`.
void RunBatchLine(const std::string& line, const std::string& dataDir, const std::string& registerFile,
                  std::string& documents) {
    const std::vector<std::string> words = SplitWords(line);
    if (!words.empty() && words.front() == "batch") {
        documents += ErrorDocument("batch cannot run inside batch");
        return;
    }
    std::istringstream noInput;
    std::ostringstream out;
    std::ostringstream err;
    if (RunCommandLine(words, noInput, out, err, dataDir, registerFile) != kExitOk) {
        std::string message = err.str();
        while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
            message.pop_back();
        documents += ErrorDocument(message);
        return;
    }
    std::string_view document = out.view();
    if (!document.empty() && document.back() == '\n') document.remove_suffix(1);
    documents += document;
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
    std::string documents;
    while (std::getline(in, line)) {
        RunBatchLine(line, dataDir, registerFile, documents);
        documents += '\n';
        // A program that writes one line and waits for its answer gets it before the next read.
        if (documents.size() >= kOutputChunk || in.rdbuf()->in_avail() <= 0) {
            out << documents;
            out.flush();
            documents.clear();
        }
    }
    out << documents;
    out.flush();
    return kExitOk;
}

}  // namespace calc
