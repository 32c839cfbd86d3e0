// orvanel-calc plane (--orvanel | --rorev) OPERATION ...: the concept-plane operations with the
// arithmetic of the program named, on the concept file of the data folder.
#pragma once

#include <string>
#include <vector>

#include "command.h"

namespace calc {

std::string PlaneCommand(const std::vector<std::string>& args, const Places& places);

}  // namespace calc
