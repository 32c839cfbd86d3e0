// The batch loop: each line runs as its own command line, with the batch's data folder as default.
// The data files stay loaded between lines (loaded_data.h), and the documents go out through one
// buffer.
#include "batch_command.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>

#include "calc_args.h"
#include "command.h"
#include "conceptplane/file_stamp.h"
#include "input_blocks.h"
#include "json_writer.h"

namespace calc {

namespace {

// Output is written when this much has gathered, or sooner when no further input is waiting.
constexpr std::size_t kOutputChunk = 1 << 16;

// The JSON document of one batch line, without its line end, onto the end of `documents`.
void AppendDocument(const std::vector<std::string>& words, const Places& places, std::string& documents) {
    Outcome outcome = RunWords(words, places);
    if (outcome.ok) {
        documents += outcome.text;
        return;
    }
    std::string& message = outcome.text;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    documents += ErrorDocument(message);
}

// Whether a line may have written a file, perhaps a data file that the next line reads.
bool MayWriteFiles(const std::vector<std::string>& words) {
    return std::any_of(words.begin(), words.end(), [](const std::string& word) {
        return word == "--png" || word == "--svg" || word == "--pdf" || word == "export";
    });
}

}  // namespace

int RunBatchCommand(const std::vector<std::string>& args, const Places& places, std::istream& in,
                    std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "batch takes no arguments (\"" << args.front()
            << "\"); it reads command lines from standard input\n";
        return kExitUsage;
    }
    InputBlocks blocks(*in.rdbuf());
    std::istream lines(&blocks);
    // The data files are looked at once for the lines of one block, and again after a line that wrote.
    std::optional<cp::StampHold> hold;
    std::uint64_t block = 0;
    std::string line;
    std::string documents;
    while (std::getline(lines, line)) {
        if (blocks.Count() != block) hold.reset();
        if (!hold) hold.emplace();
        block = blocks.Count();
        const std::vector<std::string> words = SplitWords(line);
        AppendDocument(words, places, documents);
        documents += '\n';
        if (MayWriteFiles(words)) hold.reset();
        // A program that writes one line and waits for its answer gets it before the next read.
        if (documents.size() >= kOutputChunk || blocks.in_avail() <= 0) {
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
