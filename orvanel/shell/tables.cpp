// Safe access to the glyph strings.
#include "tables.h"

namespace orvanel {

cp::Text GlyphAt(std::u32string_view glyphs, std::int32_t k) {
    if (k < 1 || static_cast<std::size_t>(k) > glyphs.size()) return cp::Text();
    return cp::Text(1, glyphs[static_cast<std::size_t>(k - 1)]);
}

}  // namespace orvanel
