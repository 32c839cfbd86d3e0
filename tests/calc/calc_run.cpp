// Running orvanel-calc from the tests.
#include "calc_run.h"

#include <sstream>

#include "calc_args.h"
#include "command.h"
#include "core_builders.h"

namespace calc_test {

command_run::Run RunCalc(const std::vector<std::string>& words, std::istream& in) {
    std::ostringstream out, err;
    const int status = calc::RunCommandLine(words, in, out, err, core_builders::ShippedData());
    return {status, out.str(), err.str()};
}

command_run::Run RunCalc(const std::vector<std::string>& words, const std::string& input) {
    std::istringstream in(input);
    return RunCalc(words, in);
}

std::vector<std::string> Words(const std::string& line) {
    return calc::SplitWords(line);
}

command_run::Run CalcProgram(const std::string& arguments, const std::string& environment) {
    return command_run::RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + environment +
                                   " " + command_run::Quoted(ORVANEL_CALC) + " --data " +
                                   command_run::Quoted(core_builders::ShippedData()) + " " + arguments);
}

}  // namespace calc_test
