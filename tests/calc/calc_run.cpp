// Running command lines for the tests.
#include "calc_run.h"

#include <sstream>

#include "calc_args.h"
#include "command.h"

namespace calc_test {

std::string SourceData() {
    return std::string(ORVANEL_SOURCE_DIR) + "/data";
}

CalcRun RunCalc(const std::vector<std::string>& words, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CalcRun run;
    run.status = calc::RunCommandLine(words, in, out, err, SourceData());
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::vector<std::string> Words(const std::string& line) {
    return calc::SplitWords(line);
}

}  // namespace calc_test
