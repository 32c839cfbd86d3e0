#include "rorev/open_concepts.h"

#include <QString>
#include <filesystem>
#include <system_error>

#include "surface/dialogs.h"

namespace rorev {

cp::ConceptTable OpenConcepts(const std::string& path) {
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    cp::ConceptTable::OpenStatus status = cp::ConceptTable::OpenStatus::Unreadable;
    cp::ConceptTable concepts = cp::ConceptTable::OpenExisting(path, &status);
    if ((exists || error) && status != cp::ConceptTable::OpenStatus::Opened) {
        surface::UseDialogs().Message(QString::fromUtf8(cp::kUnreadableConceptsMessage),
                                      QString::fromUtf8(cp::kDataFilesCaption), surface::Buttons::Ok);
    }
    return concepts;
}

}  // namespace rorev
