#include "loaded_data.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "conceptplane/data_folder.h"
#include "conceptplane/faults.h"

namespace calc {

namespace {

struct Folder {
    explicit Folder(const std::string& dir) : path(dir), ephemeris(dir) {}
    std::string path;
    std::optional<cp::ConceptTable> concepts;  // opened at its first use
    orvanel::EphemerisFiles ephemeris;
};

// A batch normally names one folder; a few are kept, the least recently used dropped first, so that
// lines naming ever new folders cannot fill the memory.
constexpr std::size_t kFoldersKept = 4;

Folder& FolderOf(const std::string& dir) {
    static std::vector<std::unique_ptr<Folder>> folders;  // the most recently used last
    auto found = std::find_if(folders.begin(), folders.end(), [&](const auto& f) { return f->path == dir; });
    if (found != folders.end()) {
        std::rotate(found, found + 1, folders.end());
    } else {
        if (folders.size() == kFoldersKept) folders.erase(folders.begin());
        folders.push_back(std::make_unique<Folder>(dir));
    }
    return *folders.back();
}

}  // namespace

const cp::ConceptTable& OpenConcepts(const std::string& dataDir) {
    Folder& folder = FolderOf(dataDir);
    if (folder.concepts) {
        folder.concepts->Refresh();
    } else {
        folder.concepts = cp::ConceptTable::OpenExisting(cp::DataPath(dataDir, "concptos.txt"));
    }
    if (folder.concepts->Status() != cp::ConceptTable::OpenStatus::Opened) {
        throw cp::DataFault("cannot read concptos.txt in " + dataDir);
    }
    return *folder.concepts;
}

orvanel::EphemerisFiles& OpenEphemeris(const std::string& dataDir) {
    return FolderOf(dataDir).ephemeris;
}

}  // namespace calc
