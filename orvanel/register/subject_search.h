// The search of the register window: the subjects whose name contains the text typed, without regard
// to case and accents ("alv" finds "Álvaro").
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "orvanel/register/subject_register.h"

namespace orvanel::subjects {

// Positions in `subjects` of those that match, in order; all of them for an empty search.
std::vector<std::size_t> Matching(const std::vector<ListedSubject>& subjects, std::string_view search);

}  // namespace orvanel::subjects
