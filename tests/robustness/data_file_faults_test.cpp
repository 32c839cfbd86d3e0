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

#include "command.h"
#include "conceptplane/concept_table.h"
#include "conceptplane/vector_workspace.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/session.h"
#include "orvanel/vectors/astral_concepts.h"
#include "orvanel/vectors/nearest_concept.h"
#include "surface/dialogs.h"
#include "window_test_support.h"

namespace orvanel::testing {
namespace {

namespace fs = std::filesystem;

enum class Damage { Missing, Empty, ByteShort, RecordShort, RandomBytes, Letters, HugeNumbers };

const char* const kDamageNames[] = {"missing",      "empty",   "a byte short", "a record short",
                                    "random bytes", "letters", "huge numbers"};
const char* const kDataFiles[] = {"concptos.txt", "efemerides.txt", "orbitas.txt"};

std::optional<std::string> Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
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
    const std::size_t record = layout.record;
    switch (damage) {
        case Damage::Missing:
            return std::nullopt;
        case Damage::Empty:
            return std::string();
        case Damage::ByteShort:
            bytes.pop_back();
            break;
        case Damage::RecordShort:
            bytes.resize(record ? bytes.size() - record : bytes.rfind(','));
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
                 at += record ? record : bytes.size()) {
                for (std::size_t f = 0; f < layout.fields; ++f)
                    bytes.replace(at + f * huge.size(), huge.size(), huge);
            }
            break;
        }
    }
    return bytes;
}

// A fresh copy of the shipped data files with one of them damaged.
class DamagedFolder {
  public:
    DamagedFolder(const char* name, Damage damage, const Layout& layout) : path_(CopyShippedData()) {
        const auto bytes = Damaged(*Read(path_ / name), damage, layout);
        if (bytes)
            Write(path_ / name, *bytes);
        else
            fs::remove(path_ / name);
    }
    ~DamagedFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    DamagedFolder(const DamagedFolder&) = delete;
    DamagedFolder& operator=(const DamagedFolder&) = delete;

    const fs::path& Path() const { return path_; }
    // The three data files as they are now (nothing for a missing one).
    std::map<std::string, std::optional<std::string>> Files() const {
        std::map<std::string, std::optional<std::string>> files;
        for (const char* name : kDataFiles)
            files[name] = Read(path_ / name);
        return files;
    }

  private:
    fs::path path_;
};

struct CalcRun {
    int status;
    std::string out, err;
};

CalcRun RunCalc(const std::string& line, const fs::path& folder) {
    std::vector<std::string> words;
    std::istringstream split(line);
    for (std::string w; split >> w;)
        words.push_back(w);
    std::istringstream in;
    std::ostringstream out, err;
    const int status = calc::RunCommandLine(words, in, out, err, folder.string());
    return {status, out.str(), err.str()};
}

// What one damaged file gives: the message of the date entry (nullptr: the chart is computed) and
// the start of orvanel-calc's line on standard error (nullptr: it succeeds).
struct Case {
    Damage damage;
    const char* message;
    const char* calcError;
    std::int32_t concepts = -1;  // the records the program reads, where the file is concptos.txt
};

const std::vector<std::string> kEphemerisLines = {"chart 2001 12 5 14 30",
                                                  "cycle 2 1 1 2001 12 5 14 30 2002 1 10",
                                                  "coincidences 2001 12 5 14 30 2002 1 10"};
const std::vector<std::string> kConceptLines = {"chart 2001 12 5 14 30",
                                                "plane --orvanel describe",
                                                "plane --rorev line 0 500 1000 500",
                                                "plane --orvanel line 0 500 1000 500",
                                                "plane --orvanel lookup 1000 1000",
                                                "plane --rorev lookup 1000 1000",
                                                "plane --orvanel nearest 15 1393"};

void Check(const char* name, const Layout& layout, const std::vector<std::string>& calcLines, const Case& c) {
    SCOPED_TRACE(std::string(name) + " " + kDamageNames[static_cast<int>(c.damage)]);
    const DamagedFolder folder(name, c.damage, layout);
    const auto before = folder.Files();

    for (const std::string& line : calcLines) {
        const CalcRun run = RunCalc(line, folder.Path());
        EXPECT_EQ(run.status, c.calcError ? 2 : 0) << line << ": " << run.err;
        if (c.calcError) {
            EXPECT_TRUE(run.out.empty()) << line;
            EXPECT_EQ(run.err.rfind(c.calcError, 0), 0u) << line << ": " << run.err;
        } else {
            EXPECT_EQ(run.err, "") << line;
        }
    }
    EXPECT_EQ(folder.Files(), before) << "orvanel-calc wrote a data file";

    surface::ScriptedDialogs dialogs;
    Session session(folder.Path().string());
    if (c.concepts >= 0) {
        EXPECT_EQ(session.concepts.Count(), c.concepts);
    }
    for (const char* text : {"1", "2001", "12", "05", "14", "30"})
        dialogs.PushText(QString::fromUtf8(text));
    dialogs.PushAnswer(surface::Answer::Yes);
    EnterDate(session);
    const ChartSlot& slot = SlotAt(session.program, 1);
    if (c.message) {
        ASSERT_EQ(dialogs.Asked().size(), 8u);
        EXPECT_EQ(dialogs.Asked().back().text, QString::fromUtf8(c.message));
        EXPECT_EQ(dialogs.Asked().back().title, QStringLiteral("Fecha del sujeto"));
        EXPECT_TRUE(slot.title.empty());
        EXPECT_EQ(session.program.EphemerisBuffer, cp::Text(48, U' '));
    } else {
        EXPECT_EQ(dialogs.Asked().size(), 7u) << dialogs.Asked().back().text.toStdString();
        EXPECT_EQ(slot.title, U"05 / 12 / 2001");
        cp::VectorWorkspace workspace(cp::Arithmetic::Orvanel);
        EXPECT_EQ(ListAstralConcepts(session.program, session.concepts, workspace).size(),
                  14u + static_cast<std::size_t>(slot.aspectCount));
    }
    auto expected = before;
    // The program's start makes a missing concept file, empty; nothing else.
    if (!expected["concptos.txt"]) expected["concptos.txt"] = std::string();
    EXPECT_EQ(folder.Files(), expected);
}

constexpr char kEphemerisMessage[] = "Falta el archivo efemerides.txt o está incompleto";
constexpr char kOrbitMessage[] = "Falta el archivo orbitas.txt o está incompleto";
constexpr char kOverflowMessage[] = "Desbordamiento: un valor no cabe en su campo numérico";

TEST(DataFileFaults, ConceptFile) {
    constexpr char kCannotRead[] = "cannot read concptos.txt";
    const Case cases[] = {
        {Damage::Missing, nullptr, kCannotRead, 0},   {Damage::Empty, nullptr, nullptr, 0},
        {Damage::ByteShort, nullptr, nullptr, 372},   {Damage::RecordShort, nullptr, nullptr, 371},
        {Damage::RandomBytes, nullptr, nullptr, 372}, {Damage::Letters, nullptr, nullptr, 372},
        {Damage::HugeNumbers, nullptr, nullptr, 372},
    };
    for (const Case& c : cases)
        Check("concptos.txt", kConceptLayout, kConceptLines, c);
}

TEST(DataFileFaults, EphemerisFile) {
    const Case cases[] = {
        {Damage::Missing, kEphemerisMessage, kEphemerisMessage},
        {Damage::Empty, kEphemerisMessage, kEphemerisMessage},
        {Damage::ByteShort, nullptr, nullptr},  // only the last line end is lost
        {Damage::RecordShort, kEphemerisMessage, kEphemerisMessage},
        {Damage::RandomBytes, kEphemerisMessage, kEphemerisMessage},
        {Damage::Letters, nullptr, nullptr},  // seventy numbers, each 0
        {Damage::HugeNumbers, kOverflowMessage, kOverflowMessage},
    };
    for (const Case& c : cases)
        Check("efemerides.txt", kElementLayout, kEphemerisLines, c);
}

TEST(DataFileFaults, OrbitFile) {
    const Case cases[] = {
        {Damage::Missing, kOrbitMessage, kOrbitMessage},
        {Damage::Empty, kOrbitMessage, kOrbitMessage},
        {Damage::ByteShort, nullptr, nullptr},  // the last line end may be missing
        {Damage::RecordShort, kOrbitMessage, kOrbitMessage},
        {Damage::RandomBytes, nullptr, nullptr},
        {Damage::Letters, nullptr, nullptr},      // 3,620 records, each 0
        {Damage::HugeNumbers, nullptr, nullptr},  // finite: the anomalies only turn the bodies
    };
    for (const Case& c : cases)
        Check("orbitas.txt", kOrbitLayout, kEphemerisLines, c);
}

// Start-up: a concept file that cannot be read is told; a subject file is counted, made when missing,
// and counts 0 when it can be neither read nor made.
TEST(DataFileFaults, StartUpFiles) {
    const fs::path folder = CopyShippedData();
    {
        fs::create_directory(folder / "gente.txt");  // a folder by that name: no length to count
        fs::remove(folder / "concptos.txt");
        fs::create_directory(folder / "concptos.txt");
        surface::ScriptedDialogs dialogs;
        const Session session(folder.string());
        EXPECT_EQ(session.concepts.Count(), 0);
        EXPECT_EQ(session.program.SubjectFileCount, 0);
        ASSERT_EQ(dialogs.Asked().size(), 1u);
        EXPECT_EQ(dialogs.Asked()[0].text, QStringLiteral("No se puede leer el archivo concptos.txt"));
        EXPECT_EQ(dialogs.Asked()[0].title, QStringLiteral("Archivos de datos"));
        const CalcRun run = RunCalc("chart 2001 12 5 14 30", folder);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("cannot read concptos.txt", 0), 0u) << run.err;
    }
    const fs::path gente = folder / "gente.txt";
    fs::remove(gente);
    EXPECT_EQ(CountSubjectFile(gente.string()), 0);
    EXPECT_EQ(Read(gente), std::string()) << "made empty";
    Write(gente, std::string(85 * 10 + 42, 'x'));
    EXPECT_EQ(CountSubjectFile(gente.string()), 10);
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
    const auto record = [](const cp::Text& name, const cp::Text& degrees, const cp::Text& radius) {
        cp::ConceptRecord r;
        r.reference = U"Relleno";
        r.name = name;
        r.degrees = degrees;
        r.radius = radius;
        return cp::EncodeConceptRecord(r);
    };
    const std::string filler = record(U"Relleno", U"200", U"50");
    std::string bytes;
    bytes.reserve(40000 * filler.size());
    for (int i = 1; i < 40000; ++i)
        bytes += filler;
    bytes += record(U"Último", U"15", U"1393");
    const cp::ConceptTable table = cp::ConceptTable::FromBytes(bytes);
    ASSERT_EQ(table.Count(), 40000);
    const cp::Text last = cp::Fixed(U"Último", 30);
    EXPECT_EQ(table.FindByName(last), 40000);
    EXPECT_EQ(NearestConcept(table, 15, 1393), last);

    const fs::path folder = CopyShippedData();
    Write(folder / "concptos.txt", bytes);
    const CalcRun run = RunCalc("plane --orvanel nearest 15 1393", folder);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"" + ToQt(last).toStdString() + "\""), std::string::npos) << run.out;
    fs::remove_all(folder);
}

}  // namespace
}  // namespace orvanel::testing
