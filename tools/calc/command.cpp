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
    {"cycle", RunCycleCommand}, {"coincidences", RunCoincidencesCommand}, {"ephemeris", RunEphemerisCommand},
    {"plane", RunPlaneEntry},   {"structure", RunStructureEntry},
};

// The subcommands that may read the register of subjects.
struct RegisterEntry {
    const char* name;
    RegisterCommandFunction run;
};

constexpr RegisterEntry kRegisterCommands[] = {
    {"chart", RunChartCommand},
    {"synastry", RunSynastryCommand},
    {"report", RunReportCommand},
    {"subjects", RunSubjectsCommand},
};

constexpr char kUsage[] =
    "usage: orvanel-calc [--data DIR] [--register FILE] "
    "chart|synastry|cycle|coincidences|plane|structure|report|subjects|batch ARGS...";

// Runs a subcommand with its output buffered, so that a failure prints nothing on `out`.
template <class Run>
int Buffered(std::ostream& out, const Run& run) {
    std::ostringstream buffered;
    const int status = run(buffered);
    if (status == kExitOk) out << buffered.view();
    return status;
}

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
                   std::ostream& err, const std::string& defaultDataDir,
                   const std::string& defaultRegisterFile) {
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
    const std::string registerFile = line.registerFile.value_or(defaultRegisterFile);
    const std::string name = line.words.front();
    const std::vector<std::string> args(line.words.begin() + 1, line.words.end());
    if (name == "batch") return RunBatchCommand(args, dataDir, registerFile, in, out, err);
    for (const auto& entry : kCommands) {
        if (name == entry.name)
            return Buffered(out, [&](std::ostream& o) { return entry.run(args, dataDir, o, err); });
    }
    for (const auto& entry : kRegisterCommands) {
        if (name == entry.name)
            return Buffered(out,
                            [&](std::ostream& o) { return entry.run(args, dataDir, registerFile, o, err); });
    }
    err << "unknown subcommand \"" << name << "\"; " << kUsage << '\n';
    return kExitUsage;
}

}  // namespace calc
