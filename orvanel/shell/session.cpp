#include "orvanel/shell/session.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "conceptplane/data_folder.h"
#include "conceptplane/numeric.h"
#include "surface/dialogs.h"

namespace orvanel {

namespace {

constexpr double kSubjectRecordLength = 85;

cp::ConceptTable OpenConcepts(const std::string& folder) {
    cp::ConceptTable::OpenStatus status = cp::ConceptTable::OpenStatus::Opened;
    cp::ConceptTable table = cp::ConceptTable::Open(cp::DataPath(folder, "concptos.txt"), &status);
    if (status == cp::ConceptTable::OpenStatus::Unreadable) {
        surface::UseDialogs().Message(QString::fromUtf8(cp::kUnreadableConceptsMessage),
                                      QString::fromUtf8(cp::kDataFilesCaption), surface::Buttons::Ok);
    }
    return table;
}

}  // namespace

Session::Session(std::string folder)
    : dataFolder(std::move(folder)), concepts(OpenConcepts(dataFolder)), ephemeris(dataFolder) {
    program.SubjectFileCount = CountSubjectFile(cp::DataPath(dataFolder, "gente.txt"));
}

std::int32_t CountSubjectFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        std::ofstream create(path, std::ios::binary);  // a read-only folder leaves it missing: count 0
        return 0;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) return 0;
    return cp::TryInt32(static_cast<double>(size) / kSubjectRecordLength).value_or(0);
}

}  // namespace orvanel
