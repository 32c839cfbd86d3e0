// Running orvanel-calc from the tests: its dispatcher in the test process, or the program itself as a
// user starts it on a headless server.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "command_run.h"

namespace calc_test {

// `words` as after "orvanel-calc", through the program's dispatcher; the data folder is the shipped one.
command_run::Run RunCalc(const std::vector<std::string>& words, const std::string& input = "");
command_run::Run RunCalc(const std::vector<std::string>& words, std::istream& in);
// The words of a command line written as one text.
std::vector<std::string> Words(const std::string& line);

// orvanel-calc itself with no display and no platform named, on the shipped data folder.
command_run::Run CalcProgram(const std::string& arguments, const std::string& environment = "");

}  // namespace calc_test
