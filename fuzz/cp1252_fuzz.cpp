// The Windows-1252 decoder on any bytes: one character per byte, and encoding gives the bytes back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "conceptplane/cp1252.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const cp::Text text = cp::DecodeCp1252(bytes);
    fuzz::Check(text.size() == size, "not one character per byte");
    fuzz::Check(cp::EncodeCp1252(text) == bytes, "encoding does not give the bytes back");
    cp::ToUtf8(text);
    return 0;
}
