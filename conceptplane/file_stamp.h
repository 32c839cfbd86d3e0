// The size, modification time and inode of a data file, from one stat: what tells a changed or
// replaced file from the copy already read, so that the programs read each file once and again only
// after it changed.
#pragma once

#include <optional>

namespace cp {

struct FileStamp {
    long long size = 0;
    long long time = 0;            // modification time in nanoseconds
    unsigned long long inode = 0;  // a file saved by writing a new one and renaming it has a new inode
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the regular file at `path`; nothing when there is none (missing, a folder, a device).
std::optional<FileStamp> StampOf(const char* path);

}  // namespace cp
