#include "data_folder.h"

#include <filesystem>
#include <system_error>

namespace cp {

namespace {

bool HoldsData(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::exists(folder / "concptos.txt", ec) ||
           std::filesystem::exists(folder / "efemerides.txt", ec);
}

// The installed data folder found from the running program (<prefix>/bin → <prefix>/share/orvanel),
// so that a tree installed under another prefix than the configured one still finds its data.
std::string BesideProgram() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return (program.parent_path() / ORVANEL_DATA_DIR_FROM_PROGRAM).lexically_normal().string();
}

}  // namespace

std::string ResolveDataFolder() {
    std::error_code ec;
    const std::filesystem::path cwd = std::filesystem::current_path(ec);
    const std::string here = ec ? std::string(".") : cwd.string();
    return FirstDataFolder({here, BesideProgram(), ORVANEL_INSTALL_DATA_DIR, ORVANEL_BUILD_DATA_DIR}, here);
}

std::string FirstDataFolder(const std::vector<std::string>& candidates, const std::string& fallback) {
    for (const std::string& candidate : candidates) {
        if (!candidate.empty() && HoldsData(candidate)) return candidate;
    }
    return fallback;
}

std::string DataPath(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

}  // namespace cp
