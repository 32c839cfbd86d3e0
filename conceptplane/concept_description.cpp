#include "concept_description.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace cp {

namespace {

// The stored radii of each family between two base levels (plane units).
constexpr double kExcess[] = {9003, 4660, 2412, 1249, 646, 173};
constexpr double kExcellent[] = {6591, 3412, 1766, 914, 473};
constexpr double kBase[] = {10042, 5198, 2691, 1393, 721, 373, 193, 100};
constexpr double kDeficient[] = {7351, 3805, 1970, 1020, 528, 273};
constexpr double kLack[] = {5381, 2786, 1442, 746, 386, 200};

template <std::size_t N>
bool OneOf(double radius, const double (&values)[N]) {
    return std::find(std::begin(values), std::end(values), radius) != std::end(values);
}

// Int(ln r / ln 2) - 6 gives the level of each base radius: 7 for 10042 down to 0 for 100.
Text BaseLevel(double radius) {
    return FromInt(static_cast<long long>(std::floor(std::log(radius) / std::log(2.0))) - 6);
}

}  // namespace

Text DescribeConcept(const ConceptRecord& record) {
    const double radius = record.radiusValue;
    if (OneOf(radius, kExcess)) return U"Exceso de " + record.reference;
    if (OneOf(radius, kExcellent)) return TrimBlanks(record.reference) + U" excelente";
    if (OneOf(radius, kBase)) return U"Concepto base del nivel " + BaseLevel(radius);
    if (OneOf(radius, kDeficient)) return TrimBlanks(record.reference) + U" deficiente";
    if (OneOf(radius, kLack)) return U"Falta de " + record.reference;
    return Text();
}

}  // namespace cp
