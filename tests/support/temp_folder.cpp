// Temporary folders and file bytes for the tests.
#include "temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace test_support {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvanel-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace test_support
