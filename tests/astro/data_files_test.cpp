// The data files: the element file's items, the exact limits of what is refused, and files held in
// memory read again when they change. Missing, empty and damaged files through the whole program are
// in the robustness tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "conceptplane/faults.h"
#include "core_builders.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/cycles/cycle_plot.h"
#include "temp_folder.h"

using namespace orvanel;
using namespace core_builders;
using test_support::ReadBytes;
using test_support::TempFolder;

namespace {

const std::string kShippedElements = ReadBytes(ShippedData("efemerides.txt"));
const std::string kShippedOrbits = ReadBytes(ShippedData("orbitas.txt"));

}  // namespace

// An empty item is 0, and so is one with no number; what follows the items wanted is not read.
TEST(ElementFile, ItemsSeparatedByCommasBlanksAndLineEnds) {
    const std::tuple<std::string, std::size_t, std::vector<double>> cases[] = {
        {"1, 2,3\r\n4\t5 ,6\r\n", 10, {1, 2, 3, 4, 5, 6}},
        {"1,,2", 10, {1, 0, 2}},
        {"x, 2.5e1, -.5", 10, {0, 25, -0.5}},
        {"1 2 3 4", 2, {1, 2}}};
    for (const auto& [bytes, wanted, items] : cases)
        EXPECT_EQ(ReadNumberItems(bytes, wanted), items) << bytes;
    const ElementTable back = ParseElementTable(kShippedElements + "garbage after the seventieth");
    EXPECT_EQ(back.Get(kDailyMotion, 1), 0.985647347);
}

TEST(DataFiles, MissingShortOrNonFiniteAreRefused) {
    const char* const ephemerisMessage = "Falta el archivo efemerides.txt o está incompleto";
    const char* const orbitMessage = "Falta el archivo orbitas.txt o está incompleto";
    const std::tuple<std::string, std::string, const char*, const char*> cases[] = {
        {"1e999, " + kShippedElements, kShippedOrbits, ephemerisMessage, "a number that is not finite"},
        {kShippedElements, kShippedOrbits.substr(0, kOrbitFileMinimum - 1), orbitMessage,
         "a byte below the minimum"},
        {kShippedElements, kShippedOrbits.substr(0, kOrbitFileMinimum), "no fault",
         "only the last line end missing"}};
    for (const auto& [elementBytes, orbitBytes, expected, why] : cases) {
        TempFolder folder;
        folder.Write("efemerides.txt", elementBytes);
        folder.Write("orbitas.txt", orbitBytes);
        EphemerisFiles files(folder.Path());
        Program p;
        std::string fault = "no fault";
        try {
            ComputeEphemeris(p, files, 2001, 12, 5, 14, 30);
        } catch (const cp::DataFault& f) {
            fault = f.what();
            EXPECT_EQ(p.AscendantBuffer, Program().AscendantBuffer);
        }
        EXPECT_EQ(fault, expected) << why;
    }
}

// Same size, other contents, a later time: the Sun moves with the Earth's new daily motion (2.98
// degrees a day instead of 0.98). A file broken afterwards is refused, not answered from the old
// contents.
TEST(DataFiles, AChangedFileIsReadAgain) {
    TempFolder folder;
    folder.Write("efemerides.txt", kShippedElements);
    folder.Write("orbitas.txt", kShippedOrbits);
    EphemerisFiles files(folder.Path());
    Program p;
    const int before = TransitDegrees(ComputeEphemeris(p, files, 1980, 1, 1, 0, 0), 1);
    folder.Write("efemerides.txt", "2" + kShippedElements.substr(1));
    const std::filesystem::path path = folder / "efemerides.txt";
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(5));
    EXPECT_EQ(TransitDegrees(ComputeEphemeris(p, files, 1980, 1, 1, 0, 0), 1), (before + 2) % 360);
    folder.Write("efemerides.txt", "1, 2, 3");
    EXPECT_THROW(ComputeEphemeris(p, files, 1980, 1, 1, 0, 0), cp::DataFault);
}
