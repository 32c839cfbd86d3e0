// SignFold: an ecliptic longitude to an angle of the concept plane. The twelve signs are folded onto
// the twelve 30-degree sectors of the template so that the middle of each sign lands on the middle
// of its sector (Aries 15, Tauro 345, Géminis 135 ...).
#pragma once

#include <cstdint>

namespace orvanel {

// Longitude in whole degrees (normally 0..360) → plane angle in whole degrees 0..360.
std::int16_t SignFold(std::int16_t longitude);

}  // namespace orvanel
