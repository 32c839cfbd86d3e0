// Runs orvanel-calc command lines in the test process, through the same dispatcher as the program.
#pragma once

#include <string>
#include <vector>

namespace calc_test {

struct CalcRun {
    int status = 0;
    std::string out, err;
};

// The data folder of the source tree.
std::string SourceData();

// `words` as after "orvanel-calc"; the default data folder is SourceData().
CalcRun RunCalc(const std::vector<std::string>& words, const std::string& input = "");

// The words of a command line written as one text.
std::vector<std::string> Words(const std::string& line);

}  // namespace calc_test
