// The comparison forms of the letters that have one (generated into name_key_table.cpp), sorted by
// code point.
#pragma once

#include <cstddef>

namespace orvanel::subjects {

struct NameKeyRow {
    char32_t letter;
    const char32_t* form;
};

extern const NameKeyRow kNameKeyRows[];
extern const std::size_t kNameKeyRowCount;

}  // namespace orvanel::subjects
