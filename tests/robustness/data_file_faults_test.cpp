// Damaged data files: concptos.txt, efemerides.txt and orbitas.txt missing, empty, a byte or a record
// short, filled with random bytes, or with letters for digits; gente.txt that cannot be made; a
// concept file beyond 32767 records. Through the program (its start and a date entry) and through
// orvanel-calc each case gives its documented result, nothing crashes and no data file is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>

#include "calc_args.h"

#include "command.h"
#include "conceptplane/concept_table.h"
#include "core_builders.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/session.h"
#include "orvanel/vectors/nearest_concept.h"
#include "surface/dialogs.h"
#include "temp_folder.h"
#include "window_test_support.h"

namespace orvanel::testing {
namespace {

namespace fs = std::filesystem;

enum class Damage { Missing, Empty, ByteShort, RecordShort, RandomBytes, Letters, HugeNumbers };

std::optional<std::string> Read(const fs::path& path) {
    if (!fs::exists(path)) return std::nullopt;
    return test_support::ReadBytes(path.string());
}

// Where a file keeps its numbers: the length of one record (0 for a text of numbers, whose last
// number is its last record) and the number fields of each record, side by side.
struct Layout {
    std::size_t record, fieldOffset, fieldWidth, fields;
};
constexpr Layout kConceptLayout{cp::kConceptRecordLength, 60, 13, 4};
constexpr Layout kElementLayout{0, 0, 11, 1};  // the first number only
constexpr Layout kOrbitLayout{8, 0, 6, 1};

std::optional<std::string> Damaged(std::string bytes, Damage damage, const Layout& layout) {
    switch (damage) {
        case Damage::Missing:
            return std::nullopt;
        case Damage::Empty:
            return std::string();
        case Damage::ByteShort:
            bytes.pop_back();
            break;
        case Damage::RecordShort:
            bytes.resize(layout.record ? bytes.size() - layout.record : bytes.rfind(','));
            break;
        case Damage::RandomBytes: {
            std::mt19937 random(20261207);
            for (char& c : bytes)
                c = static_cast<char>(random() & 0xFF);
            break;
        }
        case Damage::Letters:
            for (char& c : bytes)
                if (c >= '0' && c <= '9') c = 'x';
            break;
        case Damage::HugeNumbers: {
            // Finite in double precision, far beyond single precision and every whole-number store.
            std::string huge = "9e99";
            huge.resize(layout.fieldWidth, ' ');
            for (std::size_t at = layout.fieldOffset; at + huge.size() * layout.fields <= bytes.size();
                 at += layout.record ? layout.record : bytes.size()) {
                for (std::size_t f = 0; f < layout.fields; ++f)
                    bytes.replace(at + f * huge.size(), huge.size(), huge);
            }
            break;
        }
    }
    return bytes;
}

// The three data files of `folder` as they are now (nothing for a missing one).
std::map<std::string, std::optional<std::string>> Files(const fs::path& folder) {
    std::map<std::string, std::optional<std::string>> files;
    for (const char* name : {"concptos.txt", "efemerides.txt", "orbitas.txt"})
        files[name] = Read(folder / name);
    return files;
}

// orvanel-calc's exit status, standard output and standard error for `line`.
std::tuple<int, std::string, std::string> RunCalc(const std::string& line, const fs::path& folder) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = calc::RunCommandLine(calc::SplitWords(line), in, out, err, folder.string());
    return {status, out.str(), err.str()};
}

// One damaged file and what it gives: the message of the date entry (nullptr: the chart is
// computed), the start of orvanel-calc's line on standard error (nullptr: it succeeds), and the
// concept records the program reads.
using Case = std::tuple<const char*, Damage, const char*, const char*, std::int32_t>;

const std::vector<std::string> kEphemerisLines = {"chart 2001 12 5 14 30",
                                                  "cycle 2 1 1 2001 12 5 14 30 2002 1 10"};
// The astral concepts of a chart, Orvanel's single-precision lookups and rorev's double-precision line.
const std::vector<std::string> kConceptLines = {
    "chart 2001 12 5 14 30", "plane --rorev line 0 500 1000 500", "plane --orvanel line 0 500 1000 500",
    "plane --orvanel lookup 1000 1000", "plane --orvanel nearest 15 1393"};

void Check(const Case& c) {
    const auto& [name, damage, message, calcError, concepts] = c;
    SCOPED_TRACE(std::string(name) + " damage " + std::to_string(static_cast<int>(damage)));
    const bool conceptFile = name == std::string("concptos.txt");
    const Layout& layout = conceptFile                          ? kConceptLayout
                           : name == std::string("orbitas.txt") ? kOrbitLayout
                                                                : kElementLayout;
    const fs::path folder = CopyShippedData();
    if (const auto bytes = Damaged(*Read(folder / name), damage, layout))
        std::ofstream(folder / name, std::ios::binary) << *bytes;
    else
        fs::remove(folder / name);
    const auto before = Files(folder);

    for (const std::string& line : conceptFile ? kConceptLines : kEphemerisLines) {
        const auto [status, out, err] = RunCalc(line, folder);
        const std::string error = calcError ? calcError : "";
        EXPECT_EQ(status, error.empty() ? 0 : 2) << line << ": " << err;
        EXPECT_EQ(out.empty(), !error.empty()) << line;
        EXPECT_EQ(err.substr(0, error.empty() ? std::string::npos : error.size()), error) << line;
    }
    EXPECT_EQ(Files(folder), before) << "orvanel-calc wrote a data file";

    surface::ScriptedDialogs dialogs;
    Session session(folder.string());
    EXPECT_EQ(session.concepts.Count(), concepts);
    for (const char* text : {"1", "2001", "12", "05", "14", "30"})
        dialogs.PushText(QString::fromUtf8(text));
    dialogs.PushAnswer(surface::Answer::Yes);
    EnterDate(session);
    const QString confirmation = QStringLiteral("05 / 12 / 2001 a las 14h.30m. fecha correcta?");
    EXPECT_EQ(dialogs.Asked().back().text, message ? QString::fromUtf8(message) : confirmation);
    EXPECT_EQ(dialogs.Asked().back().title, QStringLiteral("Fecha del sujeto"));
    EXPECT_EQ(SlotAt(session.program, 1).title.empty(), message != nullptr);
    auto expected = before;
    // The program's start makes a missing concept file, empty; nothing else.
    if (!expected["concptos.txt"]) expected["concptos.txt"] = std::string();
    EXPECT_EQ(Files(folder), expected);
    fs::remove_all(folder);
}

constexpr char kEphemerisMessage[] = "Falta el archivo efemerides.txt o está incompleto";
constexpr char kOrbitMessage[] = "Falta el archivo orbitas.txt o está incompleto";
constexpr char kOverflowMessage[] = "Desbordamiento: un valor no cabe en su campo numérico";

TEST(DataFileFaults, DamagedDataFiles) {
    constexpr char kConcepts[] = "concptos.txt", kElements[] = "efemerides.txt", kOrbits[] = "orbitas.txt";
    constexpr char kCannotRead[] = "cannot read concptos.txt";
    const Case cases[] = {
        {kConcepts, Damage::Missing, nullptr, kCannotRead, 0},
        {kConcepts, Damage::Empty, nullptr, nullptr, 0},
        {kConcepts, Damage::ByteShort, nullptr, nullptr, 372},
        {kConcepts, Damage::RecordShort, nullptr, nullptr, 371},
        {kConcepts, Damage::RandomBytes, nullptr, nullptr, 372},
        {kConcepts, Damage::Letters, nullptr, nullptr, 372},
        {kConcepts, Damage::HugeNumbers, nullptr, nullptr, 372},
        {kElements, Damage::Missing, kEphemerisMessage, kEphemerisMessage, 372},
        {kElements, Damage::Empty, kEphemerisMessage, kEphemerisMessage, 372},
        {kElements, Damage::ByteShort, nullptr, nullptr, 372},  // only the last line end is lost
        {kElements, Damage::RecordShort, kEphemerisMessage, kEphemerisMessage, 372},
        {kElements, Damage::RandomBytes, kEphemerisMessage, kEphemerisMessage, 372},
        {kElements, Damage::Letters, nullptr, nullptr, 372},  // seventy numbers, each 0
        {kElements, Damage::HugeNumbers, kOverflowMessage, kOverflowMessage, 372},
        {kOrbits, Damage::Missing, kOrbitMessage, kOrbitMessage, 372},
        {kOrbits, Damage::Empty, kOrbitMessage, kOrbitMessage, 372},
        {kOrbits, Damage::ByteShort, nullptr, nullptr, 372},  // the last line end may be missing
        {kOrbits, Damage::RecordShort, kOrbitMessage, kOrbitMessage, 372},
        {kOrbits, Damage::RandomBytes, nullptr, nullptr, 372},
        {kOrbits, Damage::Letters, nullptr, nullptr, 372},      // 3,620 records, each 0
        {kOrbits, Damage::HugeNumbers, nullptr, nullptr, 372},  // finite: the anomalies only turn the bodies
    };
    for (const Case& c : cases)
        Check(c);
}

// Start-up: a concept file that cannot be read is told; a subject file is counted, made when missing,
// and counts 0 when it can be neither read nor made.
TEST(DataFileFaults, StartUpFiles) {
    const fs::path folder = CopyShippedData();
    fs::create_directory(folder / "gente.txt");  // a folder by that name: no length to count
    fs::remove(folder / "concptos.txt");
    fs::create_directory(folder / "concptos.txt");
    {
        surface::ScriptedDialogs dialogs;
        const Session session(folder.string());
        EXPECT_EQ(session.concepts.Count(), 0);
        EXPECT_EQ(session.program.SubjectFileCount, 0);
        ASSERT_EQ(dialogs.Asked().size(), 1u);
        EXPECT_EQ(dialogs.Asked()[0].title + ": " + dialogs.Asked()[0].text,
                  QStringLiteral("Archivos de datos: No se puede leer el archivo concptos.txt"));
    }
    const auto [status, out, err] = RunCalc("chart 2001 12 5 14 30", folder);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err.rfind("cannot read concptos.txt", 0), 0u) << err;
    const fs::path gente = folder / "gente.txt";
    fs::remove(gente);
    EXPECT_EQ(CountSubjectFile(gente.string()), 0);
    EXPECT_EQ(Read(gente), std::string()) << "made empty";
    fs::resize_file(gente, 3000000);  // beyond 16 bits of records
    EXPECT_EQ(CountSubjectFile(gente.string()), 35294);
    fs::remove(gente);
    fs::create_symlink(folder / "no-such-folder" / "gente.txt", gente);  // cannot be made
    EXPECT_EQ(CountSubjectFile(gente.string()), 0);
    EXPECT_FALSE(fs::exists(gente));
    fs::remove_all(folder);
}

// Counts and record numbers are 32-bit: record 40,000 is found like the first.
TEST(DataFileFaults, ConceptFileBeyond32767Records) {
    std::vector<core_builders::Concept> concepts(39999, {U"Relleno", 200, 50});
    concepts.push_back({U"Último", 15, 1393});
    const cp::ConceptTable table = core_builders::ConceptTableOf(concepts);
    ASSERT_EQ(table.Count(), 40000);
    const cp::Text last = cp::Fixed(U"Último", 30);
    EXPECT_EQ(table.FindByName(last), 40000);
    EXPECT_EQ(NearestConcept(table, 15, 1393), last);
}

}  // namespace
}  // namespace orvanel::testing
