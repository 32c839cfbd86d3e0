// The fixed texts of the two help windows, in UTF-8: the usage instructions, and the description
// of the concept table with its levels, rules and uses.
#pragma once

namespace rorev {

extern const char kInstructionsText[];
extern const char kDescriptionText[];

}  // namespace rorev
