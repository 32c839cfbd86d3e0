// Stamps of data files, looked at anew or as held.
#include "file_stamp.h"

#include <sys/stat.h>

#include <algorithm>

namespace cp {

namespace {

thread_local StampHold* held = nullptr;

std::optional<FileStamp> LookedAt(const char* path) {
    struct stat info {};
    if (::stat(path, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return FileStamp{static_cast<long long>(info.st_size),
                     info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec,
                     static_cast<unsigned long long>(info.st_ino)};
}

}  // namespace

StampHold::StampHold() {
    held = this;
}

StampHold::~StampHold() {
    held = nullptr;
}

std::optional<FileStamp> StampOf(const char* path) {
    if (!held) return LookedAt(path);
    auto& seen = held->seen_;
    const auto found =
        std::find_if(seen.begin(), seen.end(), [path](const auto& entry) { return entry.first == path; });
    if (found != seen.end()) return found->second;
    return seen.emplace_back(path, LookedAt(path)).second;
}

}  // namespace cp
