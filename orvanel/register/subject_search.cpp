// A substring search over the name keys.
#include "orvanel/register/subject_search.h"

#include "orvanel/register/name_key.h"

namespace orvanel::subjects {

std::vector<std::size_t> Matching(const std::vector<ListedSubject>& subjects, std::string_view search) {
    const std::string needle = NameKey(search);
    std::vector<std::size_t> found;
    found.reserve(subjects.size());
    for (std::size_t i = 0; i < subjects.size(); ++i)
        if (subjects[i].key.find(needle) != std::string::npos) found.push_back(i);
    return found;
}

}  // namespace orvanel::subjects
