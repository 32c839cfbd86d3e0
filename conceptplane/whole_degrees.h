// Values of pure functions of a whole degree, computed once for every degree of 0..360 and then read
// from a table: for the terms that every chart asks for again.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace cp {

inline bool IsWholeDegree(std::int32_t degree) {
    return degree >= 0 && degree <= 360;
}

// compute(d) for every degree d of 0..360, made at the first call: one table for each `compute`, so
// each call site passes a lambda of its own.
template <class Compute>
const auto& WholeDegreeTable(Compute compute) {
    using Value = decltype(compute(0));
    static const std::array<Value, 361> table = [&compute] {
        std::array<Value, 361> values{};
        for (std::int32_t d = 0; d <= 360; ++d)
            values[static_cast<std::size_t>(d)] = compute(d);
        return values;
    }();
    return table;
}

// compute(degree), from its table; a degree outside 0..360 is computed anew, with whatever that does.
template <class Compute>
auto AtWholeDegree(std::int32_t degree, Compute compute) {
    return IsWholeDegree(degree) ? WholeDegreeTable(compute)[static_cast<std::size_t>(degree)]
                                 : compute(degree);
}

}  // namespace cp
