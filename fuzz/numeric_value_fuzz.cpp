// The numeric-value reader on any text: it reads without fault, the lenient reader of the concept file
// never gives an infinite value, and the checked stores take or refuse what it reads, never undefined.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "conceptplane/cp1252.h"
#include "conceptplane/numeric.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Typed texts arrive as Unicode, file fields as Windows-1252: try both decodings.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const cp::Text& text : {cp::FromUtf8(bytes), cp::DecodeCp1252(bytes)}) {
        const double value = cp::NumericValue(text);
        fuzz::Check(!std::isnan(value), "NumericValue gave NaN");
        const double lenient = cp::LenientNumber(text);
        fuzz::Check(std::isfinite(lenient), "LenientNumber gave a non-finite value");
        fuzz::Check(!std::isfinite(value) || lenient == value, "LenientNumber differs from a finite value");
        const auto whole16 = cp::TryInt16(value);
        const auto whole32 = cp::TryInt32(value);
        fuzz::Check(!whole16 || (whole32 && *whole32 == *whole16), "16-bit and 32-bit stores disagree");
        if (whole32) cp::FormatZeros(*whole32, 5);
        if (cp::FitsSingle(value)) cp::StoreSingle(value);
    }
    return 0;
}
