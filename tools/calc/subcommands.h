// The subcommands of orvanel-calc, each with the shape of calc::CommandFunction or
// calc::RegisterCommandFunction (command.h).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace calc {

// chart and synastry read the register for --subject and --subjects.
int RunChartCommand(const std::vector<std::string>& args, const std::string& dataDir,
                    const std::string& registerFile, std::ostream& out, std::ostream& err);
int RunSynastryCommand(const std::vector<std::string>& args, const std::string& dataDir,
                       const std::string& registerFile, std::ostream& out, std::ostream& err);
// subjects list|add|remove|export|import: the register of subjects.
int RunSubjectsCommand(const std::vector<std::string>& args, const std::string& dataDir,
                       const std::string& registerFile, std::ostream& out, std::ostream& err);
int RunCycleCommand(const std::vector<std::string>& args, const std::string& dataDir, std::ostream& out,
                    std::ostream& err);
int RunCoincidencesCommand(const std::vector<std::string>& args, const std::string& dataDir,
                           std::ostream& out, std::ostream& err);
// Further subcommand: the positions text and the Ascendant of one moment, for scripts that only
// need the ephemeris (the accuracy tool).
int RunEphemerisCommand(const std::vector<std::string>& args, const std::string& dataDir, std::ostream& out,
                        std::ostream& err);
// The consultation report written to a PDF file.
int RunReportCommand(const std::vector<std::string>& args, const std::string& dataDir, std::ostream& out,
                     std::ostream& err);
// plane and structure: the concept-plane commands when they are built in, else a usage error.
int RunPlaneEntry(const std::vector<std::string>& args, const std::string& dataDir, std::ostream& out,
                  std::ostream& err);
int RunStructureEntry(const std::vector<std::string>& args, const std::string& dataDir, std::ostream& out,
                      std::ostream& err);

}  // namespace calc
