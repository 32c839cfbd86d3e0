// The concept file: record counts, offsets, padding of short records, the search by name, opening,
// creating and reading again.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "conceptplane/concept_table.h"
#include "temp_folder.h"

using namespace cp;
using Status = ConceptTable::OpenStatus;

namespace {

// `records` records "Concepto 1", "Concepto 2", ... at radii 100, 200, ..., the first named `first`.
std::string Bytes(int records, const Text& first = U"Concepto 1") {
    std::string out;
    for (int i = 1; i <= records; ++i) {
        ConceptRecord r;
        r.name = i == 1 ? first : U"Concepto " + FromInt(i);
        r.radius = FromInt(i * 100);
        out += EncodeConceptRecord(r);
    }
    return out;
}

}  // namespace

TEST(ConceptCount, RoundsTheRecordCountHalvesToEven) {
    const std::pair<std::size_t, int> cases[] = {{1140, 10}, {1138, 10}, {57, 0}, {171, 2},
                                                 {285, 2},   {0, 0},     {113, 1}};
    const std::string full = Bytes(10);
    for (const auto& [bytes, count] : cases)
        EXPECT_EQ(ConceptTable::FromBytes(std::string_view(full).substr(0, bytes)).Count(), count) << bytes;
}

TEST(ConceptRecords, ShortAndGarbledRecordsReadAsBlanksAndZeros) {
    const ConceptTable whole = ConceptTable::FromBytes(Bytes(3));
    const ConceptRecord& third = whole.Read(3);  // bytes 228..339
    EXPECT_EQ(third.name, Fixed(U"Concepto 3", 30));
    EXPECT_EQ(third.radiusValue, 300);
    const ConceptTable cut = ConceptTable::FromBytes(std::string_view(Bytes(2)).substr(0, 114 + 60));
    EXPECT_EQ(cut.Read(2).name, Fixed(U"Concepto 2", 30));
    EXPECT_EQ(cut.Read(2).radiusValue, 0);
    const ConceptTable garbage = ConceptTable::FromBytes(std::string(114, '\xE9'));
    EXPECT_EQ(garbage.Read(1).name, Text(30, U'é'));
    EXPECT_EQ(garbage.Read(1).radiusValue, 0);
}

TEST(FindByName, ComparesThePaddedNameAndFallsBackToTheLastRecord) {
    const ConceptTable t = ConceptTable::FromBytes(Bytes(5));
    EXPECT_EQ(t.FindByName(Fixed(U"Concepto 2", 30)), 2);
    EXPECT_EQ(t.FindByName(U"Concepto 2"), 5);             // unpadded: no match
    EXPECT_EQ(t.FindByName(Fixed(U"concepto 2", 30)), 5);  // case-sensitive
    EXPECT_EQ(ConceptTable().FindByName(U"x"), 0);
}

TEST(OpenConceptFile, CreatesAMissingFileButNeverInOpenExisting) {
    const test_support::TempFolder dir;
    const std::string path = dir / "concptos.txt";
    Status status{};
    EXPECT_EQ(ConceptTable::OpenExisting(path, &status).Count(), 0);
    EXPECT_EQ(status, Status::Unreadable);
    ConceptTable::Open(path, &status);
    EXPECT_EQ(status, Status::Created) << "not made by the OpenExisting before";
    EXPECT_TRUE(std::filesystem::exists(path));
    dir.Write("concptos.txt", Bytes(4));
    EXPECT_EQ(ConceptTable::Open(path, &status).Count(), 4);
    EXPECT_EQ(status, Status::Opened);
    ConceptTable::Open(dir / "no/such/concptos.txt", &status);
    EXPECT_EQ(status, Status::CreateFailed);
    std::filesystem::create_directories(dir / "carpeta");  // a folder by the file's name
    EXPECT_EQ(ConceptTable::Open(dir / "carpeta", &status).Count(), 0);
    EXPECT_EQ(status, Status::Unreadable);
}

// What a scan of the file at every use would see: an edit (a later time, the same size), a file
// saved as a new one (a new inode, the same size and time), the file gone, and back again.
TEST(RefreshConceptFile, ReadsTheFileAgainOnlyWhenItChanged) {
    const test_support::TempFolder dir;
    const std::string path = dir / "concptos.txt";
    dir.Write("concptos.txt", Bytes(4, U"Primero"));
    ConceptTable t = ConceptTable::OpenExisting(path);
    dir.Write("concptos.txt", Bytes(4, U"Renombrado"));
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(1));
    EXPECT_TRUE(t.Refresh());
    EXPECT_EQ(t.Read(1).name, Fixed(U"Renombrado", 30));
    dir.Write("nuevo.txt", Bytes(4, U"Guardado"));
    std::filesystem::last_write_time(dir / "nuevo.txt", std::filesystem::last_write_time(path));
    std::filesystem::rename(dir / "nuevo.txt", path);
    EXPECT_TRUE(t.Refresh());
    EXPECT_EQ(t.Read(1).name, Fixed(U"Guardado", 30));
    std::filesystem::remove(path);
    EXPECT_TRUE(t.Refresh());
    EXPECT_EQ(std::pair(t.Count(), t.Status()), std::pair(0, Status::Unreadable));
    EXPECT_FALSE(t.Refresh());
    dir.Write("concptos.txt", Bytes(2));
    EXPECT_TRUE(t.Refresh());
    EXPECT_EQ(std::pair(t.Count(), t.Status()), std::pair(2, Status::Opened));
}
