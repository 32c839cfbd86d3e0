// The shipped concept table data/concptos.txt: whole records in Windows-1252, twelve base concepts
// on each level, the grades between the levels at the radii the descriptions recognise, each on the
// angle of the base concept it names, and polar and Cartesian places that agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "conceptplane/angles.h"
#include "conceptplane/concept_description.h"
#include "conceptplane/concept_table.h"
#include "conceptplane/cp1252.h"

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

std::string ShippedBytes() {
    std::ifstream in(kShippedPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const ConceptTable& Shipped() {
    static const ConceptTable table = ConceptTable::FromBytes(ShippedBytes());
    return table;
}

std::optional<Place> PlaceOf(const ConceptRecord& r) {
    for (int level = 0; level < 8; ++level) {
        if (r.radiusValue == kLevelRadius[level]) return Place{Family::Base, level};
    }
    const auto grade = kGradeRadii.find(static_cast<int>(r.radiusValue));
    if (grade == kGradeRadii.end() || grade->first != r.radiusValue) return std::nullopt;
    return grade->second;
}

// Even levels lie at 15° + k·30°, odd levels at k·30°.
bool OnLevelAngle(double degrees, int level) {
    return std::fmod(degrees, 30.0) == (level % 2 == 0 ? 15.0 : 0.0);
}

std::string Utf8(const Text& t) {
    return ToUtf8(t);
}

// The base concepts by trimmed name.
std::map<Text, const ConceptRecord*> BaseConcepts() {
    std::map<Text, const ConceptRecord*> bases;
    for (const ConceptRecord& r : Shipped().Records()) {
        const auto place = PlaceOf(r);
        if (place && place->family == Family::Base) bases[TrimBlanks(r.name)] = &r;
    }
    return bases;
}

}  // namespace

TEST(ShippedConceptFile, HoldsWholeRecordsInTheLibrarysLayout) {
    const std::string bytes = ShippedBytes();
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(kShippedCount * kConceptRecordLength));
    ConceptTable::OpenStatus status{};
    EXPECT_EQ(ConceptTable::OpenExisting(kShippedPath, &status).Count(), kShippedCount);
    EXPECT_EQ(status, ConceptTable::OpenStatus::Opened);
    for (int n = 1; n <= kShippedCount; ++n) {
        const std::string record =
            bytes.substr(static_cast<std::size_t>((n - 1) * kConceptRecordLength), kConceptRecordLength);
        EXPECT_EQ(record.substr(112), "\r\n") << "record " << n;
        EXPECT_EQ(EncodeConceptRecord(Shipped().Read(n)), record) << "record " << n;
    }
}

TEST(ShippedConceptFile, IsSpanishTextInWindows1252) {
    // Letters, digits and punctuation of ASCII, and the Spanish letters and marks of the code page.
    const Text spanish = U"áéíóúüñÁÉÍÓÚÜÑ¿¡";
    std::set<char> allowed;
    for (char32_t c : spanish)
        allowed.insert(*EncodeCp1252Char(c));
    const std::string bytes = ShippedBytes();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto offset = i % static_cast<std::size_t>(kConceptRecordLength);
        if (offset >= 112) continue;  // the line break
        const char b = bytes[i];
        const bool ascii = b >= 0x20 && b <= 0x7e;
        EXPECT_TRUE(ascii || allowed.count(b)) << "byte " << i << " = " << int(static_cast<unsigned char>(b));
        if (offset >= 60) {
            EXPECT_NE(std::string(" -.0123456789").find(b), std::string::npos) << "byte " << i;
        }
    }
    const Text decoded = DecodeCp1252(bytes);
    for (char32_t c : Text(U"áéíóñ"))
        EXPECT_NE(decoded.find(c), Text::npos) << Utf8(Text(1, c));
}

TEST(ShippedConceptFile, EachLevelHoldsTwelveBaseConceptsOnItsAngles) {
    std::map<int, std::set<double>> angles;
    for (const ConceptRecord& r : Shipped().Records()) {
        const auto place = PlaceOf(r);
        if (!place || place->family != Family::Base) continue;
        EXPECT_TRUE(OnLevelAngle(r.degreesValue, place->level)) << Utf8(r.name);
        EXPECT_EQ(r.reference, r.name) << "a base concept is its own reference";
        angles[place->level].insert(r.degreesValue);
    }
    for (int level = 0; level < 8; ++level)
        EXPECT_EQ(angles[level].size(), 12u) << "level " << level;
}

TEST(ShippedConceptFile, EveryOtherConceptIsARecognisedGradeOfABaseConcept) {
    const auto bases = BaseConcepts();
    for (const ConceptRecord& r : Shipped().Records()) {
        const auto place = PlaceOf(r);
        ASSERT_TRUE(place) << Utf8(r.name) << " at an unrecognised radius " << Utf8(r.radius);
        if (place->family == Family::Base) continue;
        EXPECT_TRUE(OnLevelAngle(r.degreesValue, place->level)) << Utf8(r.name);
        const auto base = bases.find(TrimBlanks(r.reference));
        ASSERT_NE(base, bases.end()) << Utf8(r.name) << " names no base concept: " << Utf8(r.reference);
        EXPECT_EQ(PlaceOf(*base->second)->level, place->level) << Utf8(r.name);
        EXPECT_EQ(base->second->degreesValue, r.degreesValue) << Utf8(r.name);
    }
}

TEST(ShippedConceptFile, EachBaseConceptHasExactlyTheGradesOfItsLevel) {
    std::map<std::pair<Text, Family>, int> grades;
    for (const ConceptRecord& r : Shipped().Records()) {
        if (const auto place = PlaceOf(r)) grades[{TrimBlanks(r.reference), place->family}]++;
    }
    for (const auto& [name, base] : BaseConcepts()) {
        const int level = PlaceOf(*base)->level;
        for (Family f : {Family::Lack, Family::Deficient, Family::Excellent, Family::Excess}) {
            bool levelHasIt = false;
            for (const auto& [radius, place] : kGradeRadii)
                levelHasIt |= place.family == f && place.level == level;
            EXPECT_EQ((grades[{name, f}]), levelHasIt ? 1 : 0) << Utf8(name) << " family " << int(f);
        }
    }
}

TEST(ShippedConceptFile, EveryConceptHasTheDescriptionOfItsPlace) {
    for (const ConceptRecord& r : Shipped().Records()) {
        const Text reference = TrimBlanks(r.reference);
        const auto place = PlaceOf(r);
        ASSERT_TRUE(place) << Utf8(r.name);
        Text expected;
        switch (place->family) {
            case Family::Base:
                expected = U"Concepto base del nivel " + FromInt(place->level);
                break;
            case Family::Excess:
                expected = U"Exceso de " + r.reference;
                break;
            case Family::Excellent:
                expected = reference + U" excelente";
                break;
            case Family::Deficient:
                expected = reference + U" deficiente";
                break;
            case Family::Lack:
                expected = U"Falta de " + r.reference;
                break;
        }
        EXPECT_EQ(Utf8(DescribeConcept(r)), Utf8(expected)) << Utf8(r.name);
    }
}

TEST(ShippedConceptFile, PolarAndCartesianPlacesAgree) {
    constexpr double kTolerance = 0.005 + 1e-9;  // coordinates are stored with two decimals
    double worst = 0;
    for (const ConceptRecord& r : Shipped().Records()) {
        EXPECT_EQ(r.degreesValue, std::floor(r.degreesValue)) << Utf8(r.name);
        EXPECT_TRUE(r.degreesValue >= 0 && r.degreesValue < 360) << Utf8(r.name);
        const double dx = std::abs(r.xValue - kRorevAngles.PolarX(r.degreesValue, r.radiusValue));
        const double dy = std::abs(r.yValue - kRorevAngles.PolarY(r.degreesValue, r.radiusValue));
        worst = std::max({worst, dx, dy});
        EXPECT_LE(dx, kTolerance) << Utf8(r.name);
        EXPECT_LE(dy, kTolerance) << Utf8(r.name);
        EXPECT_EQ(std::round(kRorevAngles.AngleOf(r.xValue, r.yValue)), r.degreesValue) << Utf8(r.name);
    }
    std::cout << "largest coordinate difference: " << worst << "\n";
}

TEST(ShippedConceptFile, NamesAreUniqueEvenCutToTheTwentyCharactersOfTheAstralList) {
    std::set<Text> names, cut;
    for (const ConceptRecord& r : Shipped().Records()) {
        const Text name = TrimBlanks(r.name);
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(TrimRightBlanks(r.name), name) << "no leading blanks: " << Utf8(r.name);
        EXPECT_TRUE(names.insert(name).second) << "repeated: " << Utf8(name);
        EXPECT_TRUE(cut.insert(Fixed(name, 20)).second) << "repeated in 20 characters: " << Utf8(name);
        EXPECT_EQ(Shipped().Read(Shipped().FindByName(r.name)).name, r.name);
    }
}

TEST(ShippedConceptFile, RunsFromTheCentreOutwards) {
    double previous = 0;
    for (const ConceptRecord& r : Shipped().Records()) {
        EXPECT_GE(r.radiusValue, previous) << Utf8(r.name);
        previous = r.radiusValue;
    }
}
