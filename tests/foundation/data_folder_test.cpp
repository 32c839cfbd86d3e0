// The data folder: the first candidate holding a data file wins, the fallback otherwise.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "conceptplane/data_folder.h"

namespace fs = std::filesystem;

TEST(DataFolder, TakesTheFirstCandidateHoldingConceptsOrEphemeris) {
    const fs::path root = fs::temp_directory_path() / ("orvanel_data_folder_" + std::to_string(::getpid()));
    for (const char* name : {"empty", "concepts", "ephemeris"})
        fs::create_directories(root / name);
    std::ofstream(root / "concepts" / "concptos.txt") << "";
    std::ofstream(root / "ephemeris" / "efemerides.txt") << "";
    std::ofstream(root / "empty" / "orbitas.txt") << "";  // not enough on its own
    const std::string empty = (root / "empty").string(), concepts = (root / "concepts").string(),
                      ephemeris = (root / "ephemeris").string(), missing = (root / "missing").string();

    EXPECT_EQ(cp::FirstDataFolder({empty, concepts, ephemeris}, "fb"), concepts);
    EXPECT_EQ(cp::FirstDataFolder({missing, ephemeris, concepts}, "fb"), ephemeris);
    EXPECT_EQ(cp::FirstDataFolder({empty, missing}, "fb"), "fb");
    EXPECT_EQ(cp::FirstDataFolder({}, "fb"), "fb");

    // An empty candidate (no program path known) must not stand for the working directory.
    const fs::path before = fs::current_path();
    fs::current_path(root / "concepts");
    EXPECT_EQ(cp::FirstDataFolder({"", ephemeris}, "fb"), ephemeris);
    fs::current_path(before);
    fs::remove_all(root);
}
