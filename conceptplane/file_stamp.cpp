#include "file_stamp.h"

#include <sys/stat.h>

namespace cp {

std::optional<FileStamp> StampOf(const char* path) {
    struct stat info {};
    if (::stat(path, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return FileStamp{static_cast<long long>(info.st_size),
                     info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec,
                     static_cast<unsigned long long>(info.st_ino)};
}

}  // namespace cp
