#include "rorev/open_concepts.h"

#include <QString>
#include <exception>
#include <filesystem>
#include <system_error>

#include "surface/dialogs.h"

namespace rorev {

cp::ConceptTable OpenConcepts(const std::string& path) {
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (!exists && !error) return cp::ConceptTable();
    cp::ConceptTable::OpenStatus status = cp::ConceptTable::OpenStatus::Unreadable;
    cp::ConceptTable concepts;
    // Reading a folder by that name throws from inside the stream library: refused beforehand, and
    // any other read failure caught, so that it is told rather than ending the program.
    if (exists && std::filesystem::is_regular_file(path, error)) {
        try {
            concepts = cp::ConceptTable::OpenExisting(path, &status);
        } catch (const std::exception&) {
            status = cp::ConceptTable::OpenStatus::Unreadable;
        }
    }
    if (status != cp::ConceptTable::OpenStatus::Opened) {
        surface::UseDialogs().Message(QString::fromUtf8(cp::kUnreadableConceptsMessage),
                                      QString::fromUtf8(cp::kDataFilesCaption), surface::Buttons::Ok);
    }
    return concepts;
}

}  // namespace rorev
