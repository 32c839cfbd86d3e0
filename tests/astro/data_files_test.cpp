// The data files: missing, short or damaged files are refused with a clear message and change
// nothing; the files held in memory are read again when they change.
#include <gtest/gtest.h>

#include <filesystem>

#include "astro_fixtures.h"
#include "conceptplane/faults.h"
#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris.h"

using namespace orvanel;
using namespace astro_test;

namespace {

std::string FaultOf(EphemerisFiles& files) {
    Program p;
    const cp::Text before = p.AscendantBuffer;
    try {
        ComputeEphemeris(p, files, 2001, 12, 5, 14, 30);
    } catch (const cp::DataFault& fault) {
        EXPECT_EQ(p.AscendantBuffer, before);
        return fault.what();
    }
    return "no fault";
}

}  // namespace

TEST(ElementFile, ItemsSeparatedByCommasBlanksAndLineEnds) {
    EXPECT_EQ(ReadNumberItems("1, 2,3\r\n4\t5 ,6", 10), (std::vector<double>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ReadNumberItems("1,,2", 10), (std::vector<double>{1, 0, 2}));  // an empty item is 0
    EXPECT_EQ(ReadNumberItems("x, 2.5e1, -.5", 10), (std::vector<double>{0, 25, -0.5}));
    EXPECT_EQ(ReadNumberItems("1 2 3 4", 2), (std::vector<double>{1, 2}));  // the rest is not read
    ElementTable el = ZeroElements();
    el.Set(kNode, 10, 110.5);
    el.Set(kDailyMotion, 1, 0.9856);
    const ElementTable back = ParseElementTable(ElementBytes(el) + "garbage after the seventieth");
    EXPECT_EQ(back.Get(kNode, 10), 110.5);
    EXPECT_EQ(back.Get(kDailyMotion, 1), 0.9856);
}

TEST(DataFiles, MissingShortOrNonFiniteAreRefused) {
    const std::string ephemerisMessage = "Falta el archivo efemerides.txt o está incompleto";
    const std::string orbitMessage = "Falta el archivo orbitas.txt o está incompleto";
    const std::string elements = ElementBytes(ZeroElements());
    const std::string orbits = IdentityOrbitBytes();
    {
        TempFolder folder;  // nothing at all
        EphemerisFiles files(folder.Path());
        EXPECT_EQ(FaultOf(files), ephemerisMessage);
    }
    {
        TempFolder folder;
        folder.Write("efemerides.txt", elements.substr(0, elements.rfind(',')));  // 69 numbers
        folder.Write("orbitas.txt", orbits);
        EphemerisFiles files(folder.Path());
        EXPECT_EQ(FaultOf(files), ephemerisMessage);
        folder.Write("efemerides.txt", "1e999, " + elements);  // not finite
        EXPECT_EQ(FaultOf(files), ephemerisMessage);
    }
    {
        TempFolder folder;
        folder.Write("efemerides.txt", elements);
        EphemerisFiles files(folder.Path());
        EXPECT_EQ(FaultOf(files), orbitMessage);
        EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/orbitas.txt")) << "never created";
        folder.Write("orbitas.txt", orbits.substr(0, kOrbitFileMinimum - 1));
        EXPECT_EQ(FaultOf(files), orbitMessage);
        folder.Write("orbitas.txt", orbits.substr(0, kOrbitFileMinimum));  // last line end missing
        EXPECT_EQ(FaultOf(files), "no fault");
    }
}

TEST(DataFiles, AChangedFileIsReadAgain) {
    TempFolder folder;
    ElementTable el = ZeroElements();
    folder.Write("efemerides.txt", ElementBytes(el));
    folder.Write("orbitas.txt", IdentityOrbitBytes());
    EphemerisFiles files(folder.Path());
    Program p;
    const cp::Text first = ComputeEphemeris(p, files, 1980, 1, 1, 0, 0);
    EXPECT_EQ(first.substr(0, 3), U"278");
    // Same size, other contents, a later time: the Sun moves with the Earth's new daily motion.
    el.Set(kDailyMotion, 1, 2);
    std::string bytes = ElementBytes(el);
    ASSERT_EQ(bytes.size(), ElementBytes(ZeroElements()).size());
    folder.Write("efemerides.txt", bytes);
    const auto path = std::filesystem::path(folder.Path()) / "efemerides.txt";
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(5));
    EXPECT_EQ(ComputeEphemeris(p, files, 1980, 1, 1, 0, 0).substr(0, 3), U"280");
    // Broken afterwards: refused, not answered from the old contents.
    folder.Write("efemerides.txt", "1, 2, 3");
    EXPECT_THROW(ComputeEphemeris(p, files, 1980, 1, 1, 0, 0), cp::DataFault);
    EXPECT_THROW(ComputeEphemeris(p, files, 1980, 1, 1, 0, 0), cp::DataFault);
}

TEST(DataFiles, ARefusedComputationLeavesTheSlotsAsTheyWere) {
    Program p;
    p.CurrentSubject = 1;
    EphemerisFiles good(SourceData(""));
    p.EphemerisBuffer = ComputeEphemeris(p, good, 2001, 12, 5, 14, 30);
    RecomputeChart(p);
    const Program before = p;
    TempFolder empty;
    EphemerisFiles missing(empty.Path());
    EXPECT_THROW(ComputeEphemeris(p, missing, 1990, 1, 1, 0, 0), cp::DataFault);
    EXPECT_EQ(p.AscendantBuffer, before.AscendantBuffer);
    EXPECT_EQ(p.ChartPositions[1].ephemerisText, before.ChartPositions[1].ephemerisText);
    EXPECT_EQ(p.ChartPositions[1].vectorX, before.ChartPositions[1].vectorX);
}
