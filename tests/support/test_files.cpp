#include "test_files.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>

namespace test_files {

TempFolder::TempFolder() {
    static std::atomic<int> serial = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("orvanel-test-files-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ShippedData(const std::string& name) {
    return std::string(ORVANEL_SOURCE_DIR) + "/data/" + name;
}

}  // namespace test_files
