// The data files: the element file's items, the exact limits of what is refused, and files held in
// memory read again when they change. Missing, empty and damaged files through the whole program are
// in the robustness tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <tuple>

#include "conceptplane/faults.h"
#include "core_builders.h"
#include "orvanel/astro/ephemeris.h"
#include "temp_folder.h"
#include "tools/generators/orbit_table_writer.h"

using namespace orvanel;
using namespace core_builders;
using test_support::TempFolder;

namespace {

// The seventy elements written as the file would hold them.
std::string ElementBytes(const ElementTable& table) {
    std::string out;
    for (int e = 1; e <= kElements; ++e) {
        for (int b = 1; b <= kBodies; ++b) {
            char buffer[40];
            std::snprintf(buffer, sizeof buffer, "%.12g%s", table.Get(e, b), b < kBodies ? ", " : "\r\n");
            out += buffer;
        }
    }
    return out;
}

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
    ElementTable el;
    el.Set(kNode, 10, 110.5);
    const ElementTable back = ParseElementTable(ElementBytes(el) + "garbage after the seventieth");
    EXPECT_EQ(back.Get(kNode, 10), 110.5);
}

TEST(DataFiles, MissingShortOrNonFiniteAreRefused) {
    const std::string elements = ElementBytes(ElementTable());
    const std::string orbits = WriteOrbitTable(ElementTable());
    const char* const ephemerisMessage = "Falta el archivo efemerides.txt o está incompleto";
    const char* const orbitMessage = "Falta el archivo orbitas.txt o está incompleto";
    const std::tuple<std::string, std::optional<std::string>, const char*, const char*> cases[] = {
        {"1e999, " + elements, orbits, ephemerisMessage, "a number that is not finite"},
        {elements, std::nullopt, orbitMessage, "no orbit file"},
        {elements, orbits.substr(0, kOrbitFileMinimum - 1), orbitMessage, "a byte below the minimum"},
        {elements, orbits.substr(0, kOrbitFileMinimum), "no fault", "only the last line end missing"}};
    for (const auto& [elementBytes, orbitBytes, expected, why] : cases) {
        TempFolder folder;
        folder.Write("efemerides.txt", elementBytes);
        if (orbitBytes) folder.Write("orbitas.txt", *orbitBytes);
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
        EXPECT_EQ(std::filesystem::exists(folder / "orbitas.txt"), orbitBytes.has_value()) << "never created";
    }
}

TEST(DataFiles, AChangedFileIsReadAgain) {
    TempFolder folder;
    ElementTable el;
    folder.Write("efemerides.txt", ElementBytes(el));
    folder.Write("orbitas.txt", WriteOrbitTable(ElementTable()));
    EphemerisFiles files(folder.Path());
    Program p;
    EXPECT_EQ(ComputeEphemeris(p, files, 1980, 1, 1, 0, 0).substr(0, 3), U"278");
    // Same size, other contents, a later time: the Sun moves with the Earth's new daily motion.
    el.Set(kDailyMotion, 1, 2);
    folder.Write("efemerides.txt", ElementBytes(el));
    const std::filesystem::path path = folder / "efemerides.txt";
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(5));
    EXPECT_EQ(ComputeEphemeris(p, files, 1980, 1, 1, 0, 0).substr(0, 3), U"280");
    // Broken afterwards: refused, not answered from the old contents.
    folder.Write("efemerides.txt", "1, 2, 3");
    EXPECT_THROW(ComputeEphemeris(p, files, 1980, 1, 1, 0, 0), cp::DataFault);
}
