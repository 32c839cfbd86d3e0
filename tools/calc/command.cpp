// The guard around every subcommand and the table of subcommands.
#include "command.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <ostream>

#include "batch_command.h"
#include "calc_args.h"
#include "conceptplane/faults.h"
#include "plane_command.h"
#include "structure_command.h"
#include "subcommands.h"

namespace calc {

namespace {

// Only the first line of a message is printed: the interface promises one line.
std::string FirstLine(const std::string& message) {
    const auto end = message.find_first_of("\r\n");
    const std::string line = message.substr(0, end);
    return line.empty() ? std::string("error") : line;
}

struct Entry {
    const char* name;
    Subcommand run;
};

constexpr Entry kCommands[] = {
    {"chart", ChartCommand},         {"synastry", SynastryCommand}, {"report", ReportCommand},
    {"subjects", SubjectsCommand},   {"cycle", CycleCommand},       {"coincidences", CoincidencesCommand},
    {"ephemeris", EphemerisCommand}, {"plane", PlaneCommand},       {"structure", StructureCommand},
};

constexpr char kNestedBatch[] = "batch cannot run inside batch";

constexpr char kUsage[] =
    "usage: orvanel-calc [--data DIR] [--register FILE] "
    "chart|synastry|cycle|coincidences|plane|structure|report|subjects|batch ARGS...";

Outcome Guarded(Subcommand run, const std::vector<std::string>& args, const Places& places) {
    try {
        return {true, run(args, places)};
    } catch (const UsageError& e) {
        return {false, FirstLine(e.what())};
    } catch (const cp::Fault& e) {
        return {false, FirstLine(e.what())};
    } catch (const std::exception& e) {
        return {false, FirstLine(e.what())};
    }
}

// The folders a command line names, else the defaults.
Places PlacesOf(const CommandWords& line, const Places& defaults) {
    return {line.dataDir ? *line.dataDir : defaults.dataDir,
            line.registerFile ? *line.registerFile : defaults.registerFile};
}

// A command line with its folder options taken out, batch excepted.
Outcome RunLine(const CommandWords& line, const Places& defaults) {
    if (line.words.empty()) return {false, kUsage};
    const std::string& name = line.words.front();
    // A batch reads standard input, which belongs to the batch already running.
    if (name == "batch") return {false, kNestedBatch};
    const auto entry = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&name](const Entry& e) { return name == e.name; });
    if (entry == std::end(kCommands)) return {false, "unknown subcommand \"" + name + "\"; " + kUsage};
    const std::vector<std::string> args(line.words.begin() + 1, line.words.end());
    return Guarded(entry->run, args, PlacesOf(line, defaults));
}

}  // namespace

Outcome RunWords(const std::vector<std::string>& words, const Places& defaults) {
    if (!words.empty() && words.front() == "batch") return {false, kNestedBatch};
    try {
        return RunLine(TakeDataOption(words), defaults);
    } catch (const UsageError& e) {
        return {false, e.what()};
    }
}

int RunCommandLine(const std::vector<std::string>& words, std::istream& in, std::ostream& out,
                   std::ostream& err, const std::string& defaultDataDir,
                   const std::string& defaultRegisterFile) {
    const Places defaults{defaultDataDir, defaultRegisterFile};
    CommandWords line;
    try {
        line = TakeDataOption(words);
    } catch (const UsageError& e) {
        err << e.what() << '\n';
        return kExitUsage;
    }
    if (!line.words.empty() && line.words.front() == "batch")
        return RunBatchCommand({line.words.begin() + 1, line.words.end()}, PlacesOf(line, defaults), in, out,
                               err);
    const Outcome outcome = RunLine(line, defaults);
    (outcome.ok ? out : err) << outcome.text << '\n';
    return outcome.ok ? kExitOk : kExitUsage;
}

}  // namespace calc
