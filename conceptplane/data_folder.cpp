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

}  // namespace

std::string ResolveDataFolder() {
    std::error_code ec;
    const std::filesystem::path cwd = std::filesystem::current_path(ec);
    if (!ec && HoldsData(cwd)) return cwd.string();
    for (const char* candidate : {ORVANEL_INSTALL_DATA_DIR, ORVANEL_BUILD_DATA_DIR}) {
        if (HoldsData(candidate)) return candidate;
    }
    return ec ? std::string(".") : cwd.string();
}

std::string DataPath(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

}  // namespace cp
