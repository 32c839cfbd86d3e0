// orvanel-calc plane (--orvanel | --rorev) OPERATION ...: the concept-plane operations with the
// arithmetic of the program named, on the concept file of the data folder.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace calc {

int RunPlaneCommand(const std::vector<std::string>& args, const std::string& dataDir, std::ostream& out,
                    std::ostream& err);

}  // namespace calc
