// The shape every orvanel-calc subcommand shares, and the dispatcher that runs a command line.
//
// A subcommand gets the words after its name (every "--data DIR" and "--register FILE" already taken
// out), the data folder (and, for those that use it, the register of subjects), and two streams. On success
// it writes one JSON document and a line end to `out` and returns 0; on a usage error or missing/unreadable
// data it writes one line to `err` and returns 2. The dispatcher buffers `out`, so nothing of a failed
// command ever reaches standard output.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace calc {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

using CommandFunction = int (*)(const std::vector<std::string>& args, const std::string& dataDir,
                                std::ostream& out, std::ostream& err);
using RegisterCommandFunction = int (*)(const std::vector<std::string>& args, const std::string& dataDir,
                                        const std::string& registerFile, std::ostream& out,
                                        std::ostream& err);

// Runs `body`, which builds the JSON document. Writes it and a line end to `out` and returns 0; a
// UsageError, cp::Fault or other exception becomes its message on one line of `err` and status 2.
int RunGuarded(std::ostream& out, std::ostream& err, const std::function<std::string()>& body);

// A whole command line (the words after "orvanel-calc"): the subcommand, its arguments, --data and
// --register. `in` is read by batch only. `defaultDataDir` and `defaultRegisterFile` are used when the
// line names no folder or register.
int RunCommandLine(const std::vector<std::string>& words, std::istream& in, std::ostream& out,
                   std::ostream& err, const std::string& defaultDataDir,
                   const std::string& defaultRegisterFile = {});

}  // namespace calc
