// The data folder: the first candidate holding a data file wins, the fallback otherwise.
#include <gtest/gtest.h>

#include "conceptplane/data_folder.h"
#include "temp_folder.h"

TEST(DataFolder, TakesTheFirstCandidateHoldingConceptsOrEphemeris) {
    const test_support::TempFolder root;
    for (const char* name : {"empty", "concepts", "ephemeris"})
        std::filesystem::create_directories(root / name);
    root.Write("concepts/concptos.txt", "");
    root.Write("ephemeris/efemerides.txt", "");
    root.Write("empty/orbitas.txt", "");  // not enough on its own
    const std::string empty = root / "empty", concepts = root / "concepts", ephemeris = root / "ephemeris",
                      missing = root / "missing";

    EXPECT_EQ(cp::FirstDataFolder({empty, concepts, ephemeris}, "fb"), concepts);
    EXPECT_EQ(cp::FirstDataFolder({missing, ephemeris, concepts}, "fb"), ephemeris);
    EXPECT_EQ(cp::FirstDataFolder({empty, missing}, "fb"), "fb");
    EXPECT_EQ(cp::FirstDataFolder({}, "fb"), "fb");

    // An empty candidate (no program path known) must not stand for the working directory.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(concepts);
    EXPECT_EQ(cp::FirstDataFolder({"", ephemeris}, "fb"), ephemeris);
    std::filesystem::current_path(before);
}
