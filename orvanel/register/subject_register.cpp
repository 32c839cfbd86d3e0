// Opening the register and its reads and changes.
#include "orvanel/register/subject_register.h"

#include <sqlite3.h>

#include <filesystem>

#include "orvanel/register/clock.h"
#include "orvanel/register/name_key.h"
#include "orvanel/register/register_schema.h"
#include "orvanel/register/sqlite_db.h"

namespace orvanel::subjects {

namespace {

constexpr char kColumns[] = "name, year, month, day, time, notes, created, changed";
constexpr char kInsert[] =
    "INSERT INTO subjects (name, name_key, year, month, day, time, notes, created, changed) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)";

// Parameters ?1..?9 of every statement that writes a whole subject: name, key, the four typed texts,
// notes, created, changed.
void BindSubject(Statement& st, const Subject& s, const std::string& now) {
    st.Bind(1, s.name)
        .Bind(2, NameKey(s.name))
        .Bind(3, s.year)
        .Bind(4, s.month)
        .Bind(5, s.day)
        .Bind(6, s.time);
    st.Bind(7, s.notes)
        .Bind(8, s.created.empty() ? now : s.created)
        .Bind(9, s.changed.empty() ? now : s.changed);
}

Subject SubjectFromRow(const Statement& st) {
    return {st.Text(0), st.Text(1), st.Text(2), st.Text(3), st.Text(4), st.Text(5), st.Text(6), st.Text(7)};
}

std::optional<Subject> FindIn(const Database& db, const std::string& key) {
    Statement st(db.Handle(), std::string("SELECT ") + kColumns + " FROM subjects WHERE name_key = ?1");
    st.Bind(1, key);
    if (!st.Step()) return std::nullopt;
    return SubjectFromRow(st);
}

bool HasSchema(Database& db) {
    return db.IntOf("PRAGMA user_version") > 0;
}

void Insert(const Database& db, const Subject& s, const std::string& now) {
    Statement st(db.Handle(), kInsert);
    BindSubject(st, s, now);
    st.Step();
}

// A reason of SubjectProblem as a sentence of its own.
std::string Sentence(std::string reason) {
    if (!reason.empty() && reason[0] >= 'a' && reason[0] <= 'z')
        reason[0] = static_cast<char>(reason[0] - 'a' + 'A');
    return reason;
}

Subject Checked(Subject s) {
    s.name = TrimName(s.name);
    if (auto problem = SubjectProblem(s)) throw RegisterFault(Sentence(*problem));
    return s;
}

void RollBack(const Database& db) {
    sqlite3_exec(db.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

}  // namespace

SubjectRegister::SubjectRegister(std::string path, int busyMilliseconds)
    : path_(std::move(path)), busyMilliseconds_(busyMilliseconds) {
    Open();
}

SubjectRegister::~SubjectRegister() = default;

void SubjectRegister::Open() {
    if (path_.empty()) {  // SQLite would take it for a temporary database and lose every change
        problem_ = "No hay carpeta de datos del usuario para el registro de sujetos";
        return;
    }
    std::error_code ec;
    const auto status = std::filesystem::status(path_, ec);
    if (status.type() == std::filesystem::file_type::not_found) return;  // the first change makes it
    if (!std::filesystem::is_regular_file(status)) {
        problem_ = CannotOpenMessage(path_);
        return;
    }
    try {
        // Examined through a connection that cannot write, so that nothing is written to a file that
        // fails (not even the rolling back of a journal left beside another program's database).
        Database probe(path_, SQLITE_OPEN_READONLY, busyMilliseconds_);
        const FileVerdict verdict = Examine(probe);
        if (verdict == FileVerdict::NotARegister) problem_ = NotARegisterMessage(path_);
        if (verdict == FileVerdict::Newer) problem_ = NewerMessage(path_);
        if (verdict == FileVerdict::Damaged) problem_ = DamagedMessage(path_);
        if (!problem_.empty()) return;
        db_ = std::make_unique<Database>(path_, SQLITE_OPEN_READWRITE, busyMilliseconds_);
        if (sqlite3_db_readonly(db_->Handle(), "main") == 1) {
            problem_ = ReadOnlyMessage(path_);
            return;
        }
        // Readers and one writer side by side; every commit on the disk before it returns.
        db_->Exec("PRAGMA journal_mode = WAL");
        db_->Exec("PRAGMA synchronous = FULL");
    } catch (const SqliteFault& fault) {
        db_.reset();
        if (fault.Code() == SQLITE_NOTADB)
            problem_ = NotARegisterMessage(path_);
        else if (fault.Code() == SQLITE_CORRUPT)
            problem_ = DamagedMessage(path_);
        else
            problem_ = CannotOpenMessage(path_);
    } catch (const RegisterBusy&) {
        db_.reset();
        problem_ = kBusyMessage;
    }
}

Database& SubjectRegister::WritableDatabase() {
    if (!problem_.empty()) throw RegisterFault(problem_);
    if (db_) return *db_;
    std::error_code ec;
    if (std::filesystem::exists(path_, ec)) {
        Open();  // made by another program meanwhile: examined like any other
        if (!problem_.empty()) throw RegisterFault(problem_);
        if (db_) return *db_;
    }
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    try {
        if (ec) throw RegisterFault(CannotCreateMessage(path_));
        db_ =
            std::make_unique<Database>(path_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, busyMilliseconds_);
        db_->Exec("PRAGMA journal_mode = WAL");
        db_->Exec("PRAGMA synchronous = FULL");
    } catch (const SqliteFault&) {
        db_.reset();
        throw RegisterFault(CannotCreateMessage(path_));
    }
    return *db_;
}

void SubjectRegister::Write(const std::function<void(const Database&)>& change) {
    Database& db = WritableDatabase();
    db.Exec("BEGIN IMMEDIATE");
    try {
        EnsureSchema(db, path_);
        change(db);
        db.Exec("COMMIT");
    } catch (...) {
        RollBack(db);
        throw;
    }
}

std::vector<ListedSubject> SubjectRegister::List() {
    std::vector<ListedSubject> list;
    if (!db_ || !HasSchema(*db_)) return list;
    Statement st(db_->Handle(),
                 "SELECT name, name_key, year, month, day, time FROM subjects ORDER BY name_key");
    while (st.Step())
        list.push_back({st.Text(0), st.Text(1), st.Text(2), st.Text(3), st.Text(4), st.Text(5)});
    return list;
}

std::vector<Subject> SubjectRegister::All() {
    std::vector<Subject> all;
    if (!db_ || !HasSchema(*db_)) return all;
    Statement st(db_->Handle(), std::string("SELECT ") + kColumns + " FROM subjects ORDER BY name_key");
    while (st.Step())
        all.push_back(SubjectFromRow(st));
    return all;
}

std::optional<Subject> SubjectRegister::Find(std::string_view name) {
    if (!db_ || !HasSchema(*db_)) return std::nullopt;
    return FindIn(*db_, NameKey(TrimName(name)));
}

void SubjectRegister::Add(Subject subject) {
    const Subject s = Checked(std::move(subject));
    Write([&](const Database& db) {
        if (const auto held = FindIn(db, NameKey(s.name))) throw RegisterFault(NameExistsMessage(held->name));
        Insert(db, s, NowStamp());
    });
}

void SubjectRegister::SaveDate(Subject subject) {
    const Subject s = Checked(std::move(subject));
    Write([&](const Database& db) {
        const std::string now = NowStamp();
        if (!FindIn(db, NameKey(s.name))) return Insert(db, s, now);
        Statement st(db.Handle(),
                     "UPDATE subjects SET name = ?1, year = ?3, month = ?4, day = ?5, time = ?6, "
                     "changed = ?9 WHERE name_key = ?2");
        BindSubject(st, s, now);
        st.Step();
    });
}

void SubjectRegister::Modify(std::string_view name, std::string newName, std::string notes) {
    const std::string oldKey = NameKey(TrimName(name));
    Write([&](const Database& db) {
        auto found = FindIn(db, oldKey);
        if (!found) throw RegisterFault(NoSuchSubjectMessage(TrimName(name)));
        found->name = std::move(newName);
        found->notes = std::move(notes);
        found->changed = NowStamp();
        const Subject s = Checked(std::move(*found));
        const std::string newKey = NameKey(s.name);
        // A new spelling of the same name (case, accents) is no clash with itself.
        const auto held = newKey == oldKey ? std::nullopt : FindIn(db, newKey);
        if (held) throw RegisterFault(NameExistsMessage(held->name));
        Statement st(db.Handle(),
                     "UPDATE subjects SET name = ?1, name_key = ?2, notes = ?3, changed = ?4 "
                     "WHERE name_key = ?5");
        st.Bind(1, s.name).Bind(2, newKey).Bind(3, s.notes).Bind(4, s.changed).Bind(5, oldKey);
        st.Step();
    });
}

void SubjectRegister::Remove(std::string_view name) {
    Write([&](const Database& db) {
        Statement st(db.Handle(), "DELETE FROM subjects WHERE name_key = ?1");
        st.Bind(1, NameKey(TrimName(name)));
        st.Step();
        if (db.Changes() == 0) throw RegisterFault(NoSuchSubjectMessage(TrimName(name)));
    });
}

std::vector<std::string> SubjectRegister::ExistingNames(const std::vector<Subject>& subjects) {
    std::vector<std::string> names;
    if (!db_ || !HasSchema(*db_)) return names;
    Statement st(db_->Handle(), "SELECT name FROM subjects WHERE name_key = ?1");
    for (const Subject& s : subjects) {
        st.Bind(1, NameKey(s.name));
        if (st.Step()) names.push_back(st.Text(0));
        st.Reset();
    }
    return names;
}

ImportCounts SubjectRegister::Import(const std::vector<Subject>& subjects, Existing existing,
                                     const std::function<void(std::size_t)>& afterRow) {
    ImportCounts counts;
    Write([&](const Database& db) {
        const std::string now = NowStamp();
        Statement find(db.Handle(), "SELECT 1 FROM subjects WHERE name_key = ?1");
        Statement insert(db.Handle(), kInsert);
        Statement replace(db.Handle(),
                          "UPDATE subjects SET name = ?1, year = ?3, month = ?4, day = ?5, time = ?6, "
                          "notes = ?7, created = ?8, changed = ?9 WHERE name_key = ?2");
        for (std::size_t i = 0; i < subjects.size(); ++i) {
            const Subject& s = subjects[i];
            find.Bind(1, NameKey(s.name));
            const bool held = find.Step();
            find.Reset();
            if (held && existing == Existing::Refuse) throw RegisterFault(NameExistsMessage(s.name));
            if (held && existing == Existing::Skip) {
                ++counts.skipped;
            } else {
                Statement& st = held ? replace : insert;
                BindSubject(st, s, now);
                st.Step();
                st.Reset();
                ++(held ? counts.replaced : counts.added);
            }
            if (afterRow) afterRow(i + 1);
        }
    });
    return counts;
}

}  // namespace orvanel::subjects
