// The subcommands of orvanel-calc, each a calc::Subcommand (command.h).
#pragma once

#include <string>
#include <vector>

#include "command.h"

namespace calc {

// chart and synastry read the register for --subject and --subjects.
std::string ChartCommand(const std::vector<std::string>& args, const Places& places);
std::string SynastryCommand(const std::vector<std::string>& args, const Places& places);
// The consultation report written to a PDF file; --subject and --subjects read the register.
std::string ReportCommand(const std::vector<std::string>& args, const Places& places);
// subjects list|add|remove|export|import: the register of subjects.
std::string SubjectsCommand(const std::vector<std::string>& args, const Places& places);
std::string CycleCommand(const std::vector<std::string>& args, const Places& places);
std::string CoincidencesCommand(const std::vector<std::string>& args, const Places& places);
// Further subcommand: the positions text and the Ascendant of one moment, for scripts that only
// need the ephemeris (the accuracy tool).
std::string EphemerisCommand(const std::vector<std::string>& args, const Places& places);

}  // namespace calc
