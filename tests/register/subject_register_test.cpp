// The register file: its changes, two programs on one file, a writer that finds it busy, files that
// must never be written, a folder that cannot be made, and a process killed in the middle of an
// import. Every case works on a real SQLite file in a temporary folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <tuple>

#include "orvanel/register/register_fault.h"
#include "orvanel/register/subject_register.h"
#include "temp_folder.h"

namespace orvanel::subjects {
namespace {

using test_support::ReadBytes;

Subject Born(std::string name, std::string notes = "") {
    return {std::move(name), "2001", "12", "05", "14.30", std::move(notes), "", ""};
}

std::vector<Subject> Many(int count) {
    std::vector<Subject> many;
    for (int i = 0; i < count; ++i)
        many.push_back(Born("Sujeto " + std::to_string(i)));
    return many;
}

std::string FaultOf(const std::function<void()>& change) {
    try {
        change();
    } catch (const RegisterFault& fault) {
        return fault.what();
    }
    return "";
}

class RegisterFile : public ::testing::Test {
  protected:
    test_support::TempFolder folder_;
    const std::string path_ = folder_ / "datos/sujetos.sqlite";
};

TEST_F(RegisterFile, ChangesAndImportsKeepNamesUniqueWithoutRegardToCaseAndAccents) {
    SubjectRegister r(path_);
    EXPECT_TRUE(r.List().empty()) << "nothing is made until the first change";
    r.Add(Born("  Álvaro  ", "cliente desde 2019"));
    r.Add(Born("O'Brien'); DROP TABLE subjects;--"));
    EXPECT_EQ(FaultOf([&] { r.Add(Born("ALVARO")); }), "Ya existe un sujeto llamado «Álvaro»");
    EXPECT_EQ(FaultOf([&] { r.Add(Born("")); }), "Falta el nombre");

    // Saving a new date under a name keeps the notes and the time of creation.
    const std::string created = r.Find("alvaro")->created;
    r.SaveDate({"ÁLVARO", "2001", "12", "05", "09.15", "", "", ""});
    const Subject after = *r.Find("Álvaro");
    EXPECT_EQ(after.name + " " + after.time + " " + after.notes, "ÁLVARO 09.15 cliente desde 2019");
    EXPECT_EQ(after.created, created);

    EXPECT_EQ(FaultOf([&] { r.Modify("álvaro", "o'brien'); drop table subjects;--", ""); }),
              "Ya existe un sujeto llamado «O'Brien'); DROP TABLE subjects;--»");
    r.Modify("álvaro", "Álvaro Núñez", "otra nota");
    EXPECT_EQ(r.Find("ALVARO NUÑEZ")->notes, "otra nota");
    r.Remove("O'BRIEN'); DROP TABLE SUBJECTS;--");

    // An import is all or nothing; the names held already are refused, or replaced.
    const std::vector<Subject> file = {Born("ÁLVARO NUÑEZ", "del archivo"), Born("Luis")};
    EXPECT_EQ(FaultOf([&] { r.Import(file, Existing::Refuse); }),
              "Ya existe un sujeto llamado «ÁLVARO NUÑEZ»");
    EXPECT_EQ(r.List().size(), 1u) << "a refused import changes nothing (the removal above counted)";
    const ImportCounts counts = r.Import(file, Existing::Replace);
    EXPECT_EQ((std::pair{counts.added, counts.replaced}), (std::pair<std::size_t, std::size_t>{1, 1}));
    EXPECT_EQ(r.Find("alvaro nuñez")->notes, "del archivo");
    const ListedSubject luis = r.List().back();
    EXPECT_EQ(luis.name + " " + luis.day + "/" + luis.month + "/" + luis.year + " " + luis.time,
              "Luis 05/12/2001 14.30");
}

TEST_F(RegisterFile, TwoProgramsShareTheFileAndABusyWriteChangesNothing) {
    SubjectRegister a(path_, 100), b(path_, 100);
    a.Add(Born("Ana"));
    b.Add(Born("Luis"));
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(FaultOf([&] { b.Add(Born("Marta")); }), kBusyMessage);
    EXPECT_EQ(a.List().size(), 2u) << "readers go on while another program writes";
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    b.Add(Born("Marta"));
    EXPECT_EQ(a.Find("marta")->name, "Marta");
}

TEST_F(RegisterFile, AFileThatIsNoSoundRegisterOpensEmptyAndIsNeverWritten) {
    SubjectRegister(path_).Import(Many(500), Existing::Refuse);  // pages enough to damage one inside
    const std::string sound = ReadBytes(path_);
    std::string middlePage = sound;
    middlePage.replace(sound.size() / 4096 / 2 * 4096, 4096, std::string(4096, '\xAB'));
    const auto withPragma = [&](const char* pragma) {
        sqlite3* db = nullptr;
        folder_.Write("pragma.sqlite", sound);
        sqlite3_open((folder_ / "pragma.sqlite").c_str(), &db);
        sqlite3_exec(db, pragma, nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return ReadBytes(folder_ / "pragma.sqlite");
    };
    const std::tuple<const char*, std::string, std::string (*)(const std::string&)> cases[] = {
        {"text", "nombre,año\r\nAna,2001\r\n", NotARegisterMessage},
        {"another program's database", withPragma("PRAGMA application_id = 7"), NotARegisterMessage},
        {"a newer register", withPragma("PRAGMA user_version = 2"), NewerMessage},
        {"a page overwritten", middlePage, DamagedMessage},
        {"cut in half", sound.substr(0, sound.size() / 2), DamagedMessage},
    };
    for (const auto& [what, bytes, message] : cases) {
        const std::string path = folder_ / "bad.sqlite";
        folder_.Write("bad.sqlite", bytes);
        SubjectRegister r(path);
        EXPECT_EQ(r.Problem(), message(path)) << what;
        EXPECT_FALSE(r.Readable());
        EXPECT_TRUE(r.List().empty());
        EXPECT_EQ(FaultOf([&] { r.Add(Born("Ana")); }), message(path));
        EXPECT_EQ(ReadBytes(path), bytes) << what << " was written";
    }
}

TEST_F(RegisterFile, AFolderThatCannotBeMadeIsToldAtTheFirstChange) {
    folder_.Write("datos", "a file where the folder should be");
    SubjectRegister r(path_);
    EXPECT_EQ(FaultOf([&] { r.Add(Born("Ana")); }), CannotCreateMessage(path_));
    EXPECT_FALSE(SubjectRegister("").Readable()) << "no data folder: SQLite would make a temporary database";
}

TEST_F(RegisterFile, AProcessKilledHalfWayThroughAnImportLeavesTheRegisterAsBefore) {
    SubjectRegister(path_).Add(Born("Ana"));
    const std::vector<Subject> many = Many(10000);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Half the subjects written inside the transaction, then the process is killed outright.
        SubjectRegister(path_).Import(many, Existing::Refuse, [](std::size_t written) {
            if (written == 5000) ::kill(::getpid(), SIGKILL);
        });
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child ended before the middle";

    SubjectRegister after(path_);
    EXPECT_EQ(after.Problem(), "");
    EXPECT_EQ(after.Import(many, Existing::Refuse).added, 10000u);
    EXPECT_EQ(after.List().size(), 10001u) << "Ana and the import: nothing of the killed one";
}

}  // namespace
}  // namespace orvanel::subjects
