// The concept file: record counts, offsets, padding of short records, the search by name.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "conceptplane/concept_table.h"

using namespace cp;

namespace {

ConceptRecord Make(const Text& name, double radius) {
    ConceptRecord r;
    r.reference = U"Rigor";
    r.name = name;
    r.degrees = U"15";
    r.radius = FromInt(static_cast<long long>(radius));
    r.x = U"1";
    r.y = U"-2.5";
    return r;
}

std::string Bytes(int records) {
    std::string out;
    for (int i = 1; i <= records; ++i)
        out += EncodeConceptRecord(Make(U"Concepto " + FromInt(i), i * 100));
    return out;
}

}  // namespace

TEST(ConceptCount, RoundsTheRecordCountHalvesToEven) {
    struct Case {
        std::size_t bytes;
        int count;
    } cases[] = {{1140, 10}, {1138, 10}, {57, 0}, {171, 2}, {285, 2}, {0, 0}, {113, 1}};
    const std::string full = Bytes(10);
    for (const auto& c : cases) {
        EXPECT_EQ(ConceptTable::FromBytes(std::string_view(full).substr(0, c.bytes)).Count(), c.count)
            << c.bytes;
    }
}

TEST(ConceptRecords, DecodeFieldsAtTheirOffsets) {
    const ConceptTable t = ConceptTable::FromBytes(Bytes(3));
    const ConceptRecord& third = t.Read(3);  // bytes 228..339
    EXPECT_EQ(third.name, Fixed(U"Concepto 3", 30));
    EXPECT_EQ(third.reference, Fixed(U"Rigor", 30));
    EXPECT_EQ(third.radius, Fixed(U"300", 13));
    EXPECT_EQ(third.radiusValue, 300);
    EXPECT_EQ(third.yValue, -2.5);
    EXPECT_EQ(EncodeConceptRecord(third).size(), 114u);
}

TEST(ConceptRecords, ShortAndGarbledRecordsReadAsBlanksAndZeros) {
    const std::string bytes = Bytes(2);
    const ConceptTable t = ConceptTable::FromBytes(std::string_view(bytes).substr(0, 114 + 40));
    ASSERT_EQ(t.Count(), 1);  // 1.35 records
    const ConceptTable cut = ConceptTable::FromBytes(std::string_view(bytes).substr(0, 114 + 60));
    ASSERT_EQ(cut.Count(), 2);  // 1.53 records: the partial one counts
    EXPECT_EQ(cut.Read(2).name, Fixed(U"Concepto 2", 30));
    EXPECT_EQ(cut.Read(2).degrees, Fixed(U"", 13));
    EXPECT_EQ(cut.Read(2).xValue, 0);
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
    const auto dir = std::filesystem::temp_directory_path() / "orvanel_concepts_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "concptos.txt").string();
    ConceptTable::OpenStatus status;
    EXPECT_EQ(ConceptTable::OpenExisting(path, &status).Count(), 0);
    EXPECT_EQ(status, ConceptTable::OpenStatus::Unreadable);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(ConceptTable::Open(path, &status).Count(), 0);
    EXPECT_EQ(status, ConceptTable::OpenStatus::Created);
    EXPECT_TRUE(std::filesystem::exists(path));
    std::ofstream(path, std::ios::binary) << Bytes(4);
    EXPECT_EQ(ConceptTable::Open(path, &status).Count(), 4);
    EXPECT_EQ(status, ConceptTable::OpenStatus::Opened);
    EXPECT_EQ(ConceptTable::Open((dir / "no" / "such" / "concptos.txt").string(), &status).Count(), 0);
    EXPECT_EQ(status, ConceptTable::OpenStatus::CreateFailed);
    const auto folder = dir / "carpeta";  // a folder by the file's name is unreadable, not a crash
    std::filesystem::create_directories(folder);
    EXPECT_EQ(ConceptTable::Open(folder.string(), &status).Count(), 0);
    EXPECT_EQ(status, ConceptTable::OpenStatus::Unreadable);
    std::filesystem::remove_all(dir);
}

// What a scan of the file at every use would see: an edit (a later time, the same size), a file
// saved as a new one (a new inode, the same size and time), the file gone, and back again.
TEST(RefreshConceptFile, ReadsTheFileAgainOnlyWhenItChanged) {
    const auto dir = std::filesystem::temp_directory_path() / "orvanel_concepts_refresh_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const auto path = dir / "concptos.txt";
    const auto write = [](const std::filesystem::path& to, const Text& first, int records) {
        std::ofstream(to, std::ios::binary)
            << EncodeConceptRecord(Make(first, 100)) + Bytes(records).substr(114);
    };
    write(path, U"Primero", 4);
    ConceptTable t = ConceptTable::OpenExisting(path.string());
    EXPECT_FALSE(t.Refresh());

    write(path, U"Renombrado", 4);
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(1));
    EXPECT_TRUE(t.Refresh());
    EXPECT_EQ(t.Read(1).name, Fixed(U"Renombrado", 30));

    const auto saved = dir / "nuevo.txt";
    write(saved, U"Guardado", 4);
    std::filesystem::last_write_time(saved, std::filesystem::last_write_time(path));
    std::filesystem::rename(saved, path);
    EXPECT_TRUE(t.Refresh());
    EXPECT_EQ(t.Read(1).name, Fixed(U"Guardado", 30));

    std::filesystem::remove(path);
    EXPECT_TRUE(t.Refresh());
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(t.Status(), ConceptTable::OpenStatus::Unreadable);
    EXPECT_FALSE(t.Refresh());

    write(path, U"Vuelve", 2);
    EXPECT_TRUE(t.Refresh());
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Status(), ConceptTable::OpenStatus::Opened);
    EXPECT_FALSE(ConceptTable::FromBytes(Bytes(2)).Refresh());
    std::filesystem::remove_all(dir);
}
