// Files for the tests: a temporary folder removed at the end, the bytes of a file, the shipped data.
#pragma once

#include <filesystem>
#include <string>

namespace test_files {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // Writes, or replaces, the file `name` of the folder.
    void Write(const std::string& name, const std::string& bytes) const;

  private:
    std::filesystem::path path_;
};

// The whole contents of a file; "" when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

// The source tree's data folder, or a file in it.
std::string ShippedData(const std::string& name = "");

}  // namespace test_files
