// The size, modification time and inode of a data file, from one stat: what tells a changed or
// replaced file from the copy already read, so that the programs read each file once and again only
// after it changed.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cp {

struct FileStamp {
    long long size = 0;
    long long time = 0;            // modification time in nanoseconds
    unsigned long long inode = 0;  // a file saved by writing a new one and renaming it has a new inode
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the regular file at `path`; nothing when there is none (missing, a folder, a device).
std::optional<FileStamp> StampOf(const char* path);

// While one lives, StampOf answers each path on its thread with the stamp first found for it, without
// looking at the file again. orvanel-calc's batch holds one over the lines that came in one read of
// its input: a file changed before those lines were written had changed before they were read. One at
// a time on a thread.
class StampHold {
  public:
    StampHold();
    ~StampHold();
    StampHold(const StampHold&) = delete;
    StampHold& operator=(const StampHold&) = delete;

  private:
    friend std::optional<FileStamp> StampOf(const char* path);
    std::vector<std::pair<std::string, std::optional<FileStamp>>> seen_;
};

}  // namespace cp
