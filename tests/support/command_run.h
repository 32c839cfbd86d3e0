// Runs a command line through the shell and collects what it writes: for the tests that start
// programs (orvanel-calc with no display, poppler's readers of PDF files).
#pragma once

#include <string>

namespace command_run {

struct Run {
    int status = -1;  // the exit status
    std::string out, err;
};

Run RunCommand(const std::string& command);
// `word` single-quoted for the shell.
std::string Quoted(const std::string& word);

}  // namespace command_run
