// Orvanel's program-wide tables: the names every window shows, the glyph strings of the symbol font,
// the chart points' own angles on the concept plane and the numeric constants. Filled once, never
// changed, so they are constants here.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "conceptplane/angles.h"
#include "conceptplane/text.h"

namespace orvanel {

// Index 0 "Cualquiera" is the no-restriction entry of the selection lists; 1..12 the zodiac order.
inline constexpr std::array<std::u32string_view, 13> SignNames = {
    U"Cualquiera", U"Aries",    U"Tauro",     U"Géminis",     U"Cáncer",  U"Leo",   U"Virgo",
    U"Libra",      U"Escorpio", U"Sagitario", U"Capricornio", U"Acuario", U"Piscis"};

// Index k is chart point k (1 the Sun .. 12 the lunar node, 13 the Ascendant).
inline constexpr std::array<std::u32string_view, 14> PlanetNames = {
    U"Cualquiera", U"El Sol", U"La Luna", U"Mercurio", U"Venus",  U"Marte",      U"Júpiter",
    U"Saturno",    U"Urano",  U"Neptuno", U"Plutón",   U"Lilith", U"Nodo Lunar", U"Ascendente"};

// An aspect's kind code 1..5 is its index here plus one.
inline constexpr std::array<std::u32string_view, 5> AspectNames = {U"conjunción", U"oposición", U"trígono",
                                                                   U"cuadratura", U"sextil"};

// Indexed by house number minus one.
inline constexpr std::array<std::u32string_view, 12> HouseNames = {
    U"Casa I",   U"Casa II",   U"Casa III", U"Casa IV", U"Casa V",  U"Casa VI",
    U"Casa VII", U"Casa VIII", U"Casa IX",  U"Casa X",  U"Casa XI", U"Casa XII"};

// Glyph strings of the symbol font: character k (1-based) draws symbol k.
inline constexpr std::u32string_view PointGlyphs = U"abcdefghijklWz";  // points 1..14
inline constexpr std::u32string_view SignGlyphs = U"ABCDEFGHIJKL";     // signs 1..12
inline constexpr std::u32string_view HouseGlyphs = U"mnopqrstuvwx";    // houses 1..12
inline constexpr std::u32string_view AspectGlyphs = U"MNOPR";          // aspect kinds 1..5

// Entry k is the own direction, in degrees, of chart point k + 1; the Sun (0) and the Ascendant (12)
// have no own term at all, their zeros are never used as an angle.
inline constexpr std::array<std::int16_t, 13> PlanetAngles = {0,   255, 135, 165, 15,  45, 285,
                                                              105, 225, 195, 270, 255, 0};

// pi is taken as 3.141592 and the factor kept in single precision, as every conversion expects.
inline constexpr float DegToRad = cp::kOrvanelDegToRad;
// One zoom step of the vectors windows: the ratio of two template radii, in single precision.
inline constexpr float ZoomStep = static_cast<float>(5198.0 / 1393.0);
// The zoom the vectors windows start with; the live zoom belongs to the concept plane's view.
inline constexpr float PlaneZoomAtStart = 1.0f;

// Character k (1-based) of a glyph string, or an empty text when k is outside it, so that a point,
// sign or house number out of range draws nothing instead of reading past the string.
cp::Text GlyphAt(std::u32string_view glyphs, std::int32_t k);
// Entry k of a name table, or an empty text when k is outside it.
template <std::size_t N>
std::u32string_view NameViewAt(const std::array<std::u32string_view, N>& names, std::int32_t k) {
    if (k < 0 || static_cast<std::size_t>(k) >= N) return {};
    return names[static_cast<std::size_t>(k)];
}
template <std::size_t N>
cp::Text NameAt(const std::array<std::u32string_view, N>& names, std::int32_t k) {
    return cp::Text(NameViewAt(names, k));
}

}  // namespace orvanel
