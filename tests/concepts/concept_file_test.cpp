// The shipped concept table data/concptos.txt: whole records in Windows-1252, twelve base concepts
// on each level, the grades between the levels at the radii the descriptions recognise, each on the
// angle of the base concept it names, and polar and Cartesian places that agree.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "conceptplane/angles.h"
#include "conceptplane/concept_description.h"
#include "conceptplane/concept_table.h"
#include "conceptplane/cp1252.h"
#include "temp_folder.h"

using namespace cp;

namespace {

const std::string kShippedPath = std::string(ORVANEL_SOURCE_DIR) + "/data/concptos.txt";
constexpr int kShippedCount = 8 * 12 + 276;  // 96 base concepts and their grades

enum class Family { Base, Lack, Deficient, Excellent, Excess };

// A place on the plane: its family and the level of the base concept it belongs to.
struct Place {
    Family family;
    int level;
};

// The radii that the descriptions recognise, with the level of the base concept each grade names:
// excess and excellent grades lie above the base circle of their level, deficient grades and lacks
// below it.
const std::map<int, Place> kGradeRadii = {
    {9003, {Family::Excess, 6}},    {4660, {Family::Excess, 5}},    {2412, {Family::Excess, 4}},
    {1249, {Family::Excess, 3}},    {646, {Family::Excess, 2}},     {173, {Family::Excess, 0}},
    {6591, {Family::Excellent, 6}}, {3412, {Family::Excellent, 5}}, {1766, {Family::Excellent, 4}},
    {914, {Family::Excellent, 3}},  {473, {Family::Excellent, 2}},  {7351, {Family::Deficient, 7}},
    {3805, {Family::Deficient, 6}}, {1970, {Family::Deficient, 5}}, {1020, {Family::Deficient, 4}},
    {528, {Family::Deficient, 3}},  {273, {Family::Deficient, 2}},  {5381, {Family::Lack, 7}},
    {2786, {Family::Lack, 6}},      {1442, {Family::Lack, 5}},      {746, {Family::Lack, 4}},
    {386, {Family::Lack, 3}},       {200, {Family::Lack, 2}},
};

const std::string kShippedBytes = test_support::ReadBytes(kShippedPath);
const ConceptTable kShipped = ConceptTable::FromBytes(kShippedBytes);

std::optional<Place> PlaceOf(const ConceptRecord& r) {
    for (int level = 0; level < 8; ++level) {
        if (r.radiusValue == kLevelRadius[level]) return Place{Family::Base, level};
    }
    const auto grade = kGradeRadii.find(static_cast<int>(r.radiusValue));
    if (grade == kGradeRadii.end() || grade->first != r.radiusValue) return std::nullopt;
    return grade->second;
}

}  // namespace

// Each record encoded back to its bytes, ended by CR LF; ASCII letters, digits and punctuation and
// the Spanish letters and marks of the code page, only digits, blanks, signs and points in the number
// fields.
TEST(ShippedConceptFile, HoldsWholeRecordsInTheLibrarysLayout) {
    ASSERT_EQ(kShippedBytes.size(), static_cast<std::size_t>(kShippedCount * kConceptRecordLength));
    std::set<char> spanish;
    for (char32_t c : Text(U"áéíóúüñÁÉÍÓÚÜÑ¿¡"))
        spanish.insert(*EncodeCp1252Char(c));
    for (int n = 1; n <= kShippedCount; ++n) {
        const std::string record = kShippedBytes.substr(
            static_cast<std::size_t>((n - 1) * kConceptRecordLength), kConceptRecordLength);
        EXPECT_EQ(record.substr(112), "\r\n") << "record " << n;
        EXPECT_EQ(EncodeConceptRecord(kShipped.Read(n)), record) << "record " << n;
        for (std::size_t i = 0; i < 112; ++i) {
            const char b = record[i];
            EXPECT_TRUE((b >= 0x20 && b <= 0x7e) || spanish.count(b)) << "record " << n << " byte " << i;
            EXPECT_TRUE(i < 60 || std::string(" -.0123456789").find(b) != std::string::npos)
                << n << ", " << i;
        }
    }
}

// Twelve concepts at each radius, each on its own angle, whole degrees; a base concept its own
// reference; every other concept a grade of a base concept of its level, on its angle (even levels
// at 15 + k·30 degrees, odd ones at k·30), described by its family; each base concept with one grade
// of each family its level has.
TEST(ShippedConceptFile, EveryConceptIsABaseConceptOrOneOfItsGrades) {
    std::map<Text, const ConceptRecord*> bases;
    for (const ConceptRecord& r : kShipped.Records()) {
        const auto place = PlaceOf(r);
        ASSERT_TRUE(place) << ToUtf8(r.name) << " at an unrecognised radius " << ToUtf8(r.radius);
        if (place->family != Family::Base) continue;
        bases[TrimBlanks(r.name)] = &r;
    }
    std::map<std::pair<Text, Family>, int> grades;
    std::map<double, int> atRadius;
    std::set<std::pair<double, double>> spots;
    for (const ConceptRecord& r : kShipped.Records()) {
        const Place place = *PlaceOf(r);
        const Text reference = TrimBlanks(r.reference);
        const Text descriptions[] = {U"Concepto base del nivel " + FromInt(place.level),
                                     U"Falta de " + r.reference, reference + U" deficiente",
                                     reference + U" excelente", U"Exceso de " + r.reference};
        EXPECT_EQ(ToUtf8(DescribeConcept(r)), ToUtf8(descriptions[static_cast<int>(place.family)]));
        EXPECT_EQ(std::fmod(r.degreesValue, 30.0), place.level % 2 == 0 ? 15.0 : 0.0) << ToUtf8(r.name);
        const auto base = bases.find(reference);
        ASSERT_NE(base, bases.end()) << ToUtf8(r.name) << " names no base concept: " << ToUtf8(reference);
        EXPECT_EQ(PlaceOf(*base->second)->level, place.level) << ToUtf8(r.name);
        EXPECT_EQ(base->second->degreesValue, r.degreesValue) << ToUtf8(r.name);
        EXPECT_EQ((++grades[{reference, place.family}]), 1) << ToUtf8(r.name) << " a grade twice";
        ++atRadius[r.radiusValue];
        EXPECT_TRUE(spots.insert({r.radiusValue, r.degreesValue}).second)
            << ToUtf8(r.name) << " shares its place";
    }
    for (const auto& [radius, count] : atRadius)
        EXPECT_EQ(count, 12) << "radius " << radius;
}

// Places whose polar form agrees with the two-decimal coordinates, from the centre outwards;
// names unique even cut to the twenty characters of the astral list, and found by the name search.
TEST(ShippedConceptFile, PlacesAgreeAndNamesAreUnique) {
    constexpr double kTolerance = 0.005 + 1e-9;
    std::set<Text> names, cut;
    double previous = 0;
    for (const ConceptRecord& r : kShipped.Records()) {
        const std::string name = ToUtf8(r.name);
        EXPECT_TRUE(r.degreesValue >= 0 && r.degreesValue < 360) << name;
        EXPECT_NEAR(r.xValue, kRorevAngles.PolarX(r.degreesValue, r.radiusValue), kTolerance) << name;
        EXPECT_NEAR(r.yValue, kRorevAngles.PolarY(r.degreesValue, r.radiusValue), kTolerance) << name;
        EXPECT_EQ(std::round(kRorevAngles.AngleOf(r.xValue, r.yValue)), r.degreesValue) << name;
        EXPECT_GE(r.radiusValue, previous) << name;
        previous = r.radiusValue;
        const Text trimmed = TrimBlanks(r.name);
        EXPECT_EQ(TrimRightBlanks(r.name), trimmed) << "no leading blanks: " << name;
        EXPECT_TRUE(!trimmed.empty() && names.insert(trimmed).second) << "empty or repeated: " << name;
        EXPECT_TRUE(cut.insert(Fixed(trimmed, 20)).second) << "repeated in 20 characters: " << name;
        EXPECT_EQ(kShipped.Read(kShipped.FindByName(r.name)).name, r.name);
    }
}
