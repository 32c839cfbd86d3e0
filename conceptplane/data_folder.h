// Where the programs find their data files: the working directory when it holds them, as the
// programs always did; otherwise the data folder installed (or built) with the programs, so that a
// program started from a desktop menu or another folder still finds its tables.
#pragma once

#include <string>
#include <vector>

namespace cp {

// The folder to read data files from, without a trailing separator: the working directory, the
// data folder installed beside the running program, the configured install folder, the source data.
std::string ResolveDataFolder();
// The first of `candidates` that holds concptos.txt or efemerides.txt; `fallback` when none does.
// Empty candidates are skipped.
std::string FirstDataFolder(const std::vector<std::string>& candidates, const std::string& fallback);
// folder + "/" + name.
std::string DataPath(const std::string& folder, const std::string& name);

}  // namespace cp
