// orvanel-calc structure: the six lines of rorev's structure view.
#pragma once

#include <string>
#include <vector>

#include "command.h"

namespace calc {

std::string StructureCommand(const std::vector<std::string>& args, const Places& places);

}  // namespace calc
