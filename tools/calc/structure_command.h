// orvanel-calc structure: the six lines of rorev's structure view.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace calc {

int RunStructureCommand(const std::vector<std::string>& args, const std::string& dataDir, std::ostream& out,
                        std::ostream& err);

}  // namespace calc
