// orvanel-calc batch: one command line per line of standard input, one JSON document per line of
// output, in order; a failing line prints {"error": "..."} and the batch goes on.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace calc {

int RunBatchCommand(const std::vector<std::string>& args, const std::string& dataDir, std::istream& in,
                    std::ostream& out, std::ostream& err);

}  // namespace calc
