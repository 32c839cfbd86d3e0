// Where the programs find their data files: the working directory when it holds them, as the
// programs always did; otherwise the data folder installed (or built) with the programs, so that a
// program started from a desktop menu or another folder still finds its tables.
#pragma once

#include <string>

namespace cp {

// The folder to read data files from, without a trailing separator.
std::string ResolveDataFolder();
// folder + "/" + name.
std::string DataPath(const std::string& folder, const std::string& name);

}  // namespace cp
