// The guard around every subcommand and the table of subcommands.
#include "command.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "batch_command.h"
#include "calc_args.h"
#include "conceptplane/faults.h"
#include "subcommands.h"

namespace calc {

namespace {

// Only the first line of a message goes to standard error: the interface promises one line.
std::string FirstLine(const std::string& message) {
    const auto end = message.find_first_of("\r\n");
    const std::string line = message.substr(0, end);
    return line.empty() ? std::string("error") : line;
}

struct Entry {
    const char* name;
    CommandFunction run;
};

constexpr Entry kCommands[] = {
    {"chart", RunChartCommand},         {"synastry", RunSynastryCommand},
    {"cycle", RunCycleCommand},         {"coincidences", RunCoincidencesCommand},
    {"ephemeris", RunEphemerisCommand}, {"plane", RunPlaneEntry},
    {"structure", RunStructureEntry},   {"report", RunReportCommand},
};

constexpr char kUsage[] =
    "usage: orvanel-calc [--data DIR] chart|synastry|cycle|coincidences|plane|structure|report|batch ARGS...";

}  // namespace

int RunGuarded(std::ostream& out, std::ostream& err, const std::function<std::string()>& body) {
    std::string message;
    try {
        const std::string document = body();
        out << document << '\n';
        return kExitOk;
    } catch (const UsageError& e) {
        message = e.what();
    } catch (const cp::Fault& e) {
        message = e.what();
    } catch (const std::exception& e) {
        message = e.what();
    }
    err << FirstLine(message) << '\n';
    return kExitUsage;
}

int RunCommandLine(const std::vector<std::string>& words, std::istream& in, std::ostream& out,
                   std::ostream& err, const std::string& defaultDataDir) {
    CommandWords line;
    try {
        line = TakeDataOption(words);
    } catch (const UsageError& e) {
        err << e.what() << '\n';
        return kExitUsage;
    }
    if (line.words.empty()) {
        err << kUsage << '\n';
        return kExitUsage;
    }
    const std::string dataDir = line.dataDir.value_or(defaultDataDir);
    const std::string name = line.words.front();
    const std::vector<std::string> args(line.words.begin() + 1, line.words.end());
    if (name == "batch") return RunBatchCommand(args, dataDir, in, out, err);
    for (const auto& entry : kCommands) {
        if (name != entry.name) continue;
        std::ostringstream buffered;
        const int status = entry.run(args, dataDir, buffered, err);
        if (status == kExitOk) out << buffered.view();
        return status;
    }
    err << "unknown subcommand \"" << name << "\"; " << kUsage << '\n';
    return kExitUsage;
}

}  // namespace calc
