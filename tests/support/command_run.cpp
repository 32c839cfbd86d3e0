// Running a shell command line and collecting its output, its error output and its exit status.
#include "command_run.h"

#include <sys/wait.h>

#include <cstdlib>

#include "temp_folder.h"

namespace command_run {

Run RunCommand(const std::string& command) {
    const test_support::TempFolder folder;
    const int status = std::system(
        ("(" + command + ") >" + Quoted(folder / "out") + " 2>" + Quoted(folder / "err")).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test_support::ReadBytes(folder / "out"),
            test_support::ReadBytes(folder / "err")};
}

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace command_run
