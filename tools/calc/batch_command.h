// orvanel-calc batch: one command line per line of standard input, one JSON document per line of
// output, in order; a failing line prints {"error": "..."} and the batch goes on.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "command.h"

namespace calc {

// Each line runs with the batch's data folder and register unless it names its own.
int RunBatchCommand(const std::vector<std::string>& args, const Places& places, std::istream& in,
                    std::ostream& out, std::ostream& err);

}  // namespace calc
