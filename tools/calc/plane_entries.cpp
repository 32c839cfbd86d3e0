// plane and structure forward to the concept-plane commands when their sources are part of the
// build (ORVANEL_CALC_HAS_PLANE / ORVANEL_CALC_HAS_STRUCTURE); until then they are usage errors.
#include <ostream>

#include "command.h"
#include "subcommands.h"
#if ORVANEL_CALC_HAS_PLANE
#include "plane_command.h"
#endif
#if ORVANEL_CALC_HAS_STRUCTURE
#include "structure_command.h"
#endif

namespace calc {

namespace {

[[maybe_unused]] int NotBuilt(const char* name, std::ostream& err) {
    err << name << " is not available in this build of orvanel-calc\n";
    return kExitUsage;
}

}  // namespace

int RunPlaneEntry(const std::vector<std::string>& args, const std::string& dataDir, std::ostream& out,
                  std::ostream& err) {
#if ORVANEL_CALC_HAS_PLANE
    return RunPlaneCommand(args, dataDir, out, err);
#else
    (void)args, (void)dataDir, (void)out;
    return NotBuilt("plane", err);
#endif
}

int RunStructureEntry(const std::vector<std::string>& args, const std::string& dataDir, std::ostream& out,
                      std::ostream& err) {
#if ORVANEL_CALC_HAS_STRUCTURE
    return RunStructureCommand(args, dataDir, out, err);
#else
    (void)args, (void)dataDir, (void)out;
    return NotBuilt("structure", err);
#endif
}

}  // namespace calc
