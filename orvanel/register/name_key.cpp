// Case and accents folded away, letter by letter.
#include "orvanel/register/name_key.h"

#include <algorithm>

#include "conceptplane/text.h"
#include "orvanel/register/name_key_table.h"

namespace orvanel::subjects {

namespace {

constexpr char32_t kCombiningTilde = 0x0303;

bool IsCombiningMark(char32_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

// The comparison form of a letter from the table, or nothing when it is its own.
const char32_t* TableForm(char32_t c) {
    const NameKeyRow* end = kNameKeyRows + kNameKeyRowCount;
    const NameKeyRow* row =
        std::lower_bound(kNameKeyRows, end, c, [](const NameKeyRow& r, char32_t v) { return r.letter < v; });
    return row != end && row->letter == c ? row->form : nullptr;
}

}  // namespace

std::string NameKey(std::string_view name) {
    cp::Text key;
    key.reserve(name.size());
    for (const char32_t c : cp::FromUtf8(name)) {
        if (IsCombiningMark(c)) {
            // A name typed in decomposed form: the tilde after an n stays, as it does in ñ.
            if (c == kCombiningTilde && !key.empty() && key.back() == U'n') key.push_back(c);
        } else if (c >= U'A' && c <= U'Z') {
            key.push_back(c - U'A' + U'a');
        } else if (const char32_t* form = c >= 0x80 ? TableForm(c) : nullptr) {
            key += form;
        } else {
            key.push_back(c);
        }
    }
    return cp::ToUtf8(key);
}

}  // namespace orvanel::subjects
