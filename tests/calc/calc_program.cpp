// Starting orvanel-calc from a test.
#include "calc_program.h"

command_run::Run CalcProgram(const std::string& arguments, const std::string& environment) {
    return command_run::RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + environment +
                                   " '" + ORVANEL_CALC "' --data '" + std::string(ORVANEL_SOURCE_DIR) +
                                   "/data' " + arguments);
}
