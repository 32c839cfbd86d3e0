// Values of pure functions of a whole degree, computed once for every degree of 0..360 and then read
// from a table: for the terms that every chart asks for again.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace cp {

// compute(degree), from a table made at the first call (one table for each `compute`); a degree
// outside 0..360 is computed anew, with whatever that does.
template <class Compute>
auto AtWholeDegree(std::int32_t degree, Compute compute) {
    using Value = decltype(compute(degree));
    static const std::array<Value, 361> table = [&compute] {
        std::array<Value, 361> values{};
        for (std::int32_t d = 0; d <= 360; ++d)
            values[static_cast<std::size_t>(d)] = compute(d);
        return values;
    }();
    return degree >= 0 && degree <= 360 ? table[static_cast<std::size_t>(degree)] : compute(degree);
}

}  // namespace cp
