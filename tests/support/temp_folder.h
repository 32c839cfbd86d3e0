// A folder under the system's temporary folder for one test, removed with everything in it at the
// end; and the bytes of a file, to show what a run wrote or left untouched. Plain C++, for every test.
#pragma once

#include <filesystem>
#include <string>

namespace test_support {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string Path() const { return path_.string(); }
    // The path of `name` inside the folder.
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const;

  private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);

}  // namespace test_support
