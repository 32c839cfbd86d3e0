// The shape every orvanel-calc subcommand shares, and the dispatcher that runs a command line.
//
// A subcommand gets the words after its name (every "--data DIR" and "--register FILE" already taken
// out) and the places it works on, and returns its one JSON document; a usage error raises
// UsageError, missing or unreadable data cp::Fault. The dispatcher turns either into one line of
// message, so nothing of a failed command ever reaches standard output.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace calc {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

// The data folder and the register of subjects of one command line.
struct Places {
    const std::string& dataDir;
    const std::string& registerFile;
};

using Subcommand = std::string (*)(const std::vector<std::string>& args, const Places& places);

// What a command line gave: its JSON document, or the one line of its failure.
struct Outcome {
    bool ok = false;
    std::string text;
};

// A command line (the words after "orvanel-calc") other than batch, with `defaults` where it names no
// folder or register.
Outcome RunWords(const std::vector<std::string>& words, const Places& defaults);

// A whole command line, batch included: the document and a line end on `out`, or the message and a
// line end on `err`; the exit status. `in` is read by batch only.
int RunCommandLine(const std::vector<std::string>& words, std::istream& in, std::ostream& out,
                   std::ostream& err, const std::string& defaultDataDir,
                   const std::string& defaultRegisterFile = {});

}  // namespace calc
