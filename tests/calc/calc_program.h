// orvanel-calc itself, started as a user starts it on a headless server: no display, no platform
// named, the shipped data folder.
#pragma once

#include <string>

#include "command_run.h"

command_run::Run CalcProgram(const std::string& arguments, const std::string& environment = "");
