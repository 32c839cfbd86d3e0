// The register of subjects: a SQLite file in the user's data folder that two programs may use at
// once. Every change is one transaction (BEGIN IMMEDIATE), so a process killed at any point leaves
// the file before or after the change; a change that meets another program's write waits briefly,
// then fails with RegisterBusy and changes nothing. A file that is not a register, is damaged or is
// of a newer version is never written: the register opens empty and refuses every change, with the
// reason in Problem().
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orvanel/register/subject.h"

namespace orvanel::subjects {

class Database;

// What the window's list needs of a subject, with its name key for the search.
struct ListedSubject {
    std::string name, key, year, month, day, time;
};

// What to do with a subject of an import whose name the register holds already.
enum class Existing { Refuse, Skip, Replace };

struct ImportCounts {
    std::size_t added = 0, replaced = 0, skipped = 0;
};

class SubjectRegister {
  public:
    // How long a change waits for another program's write to end.
    static constexpr int kBusyWaitMilliseconds = 2000;

    // Opens the file at `path` if it exists and examines it; a missing file is made, with its
    // folder, by the first change. An empty path is a register that cannot be used. Never throws: a file that
    // cannot be used leaves the register empty and read-only, with the reason in Problem().
    explicit SubjectRegister(std::string path, int busyMilliseconds = kBusyWaitMilliseconds);
    ~SubjectRegister();
    SubjectRegister(const SubjectRegister&) = delete;
    SubjectRegister& operator=(const SubjectRegister&) = delete;

    const std::string& Path() const { return path_; }
    // Why the register cannot be changed (a Spanish sentence), empty when it can.
    const std::string& Problem() const { return problem_; }
    bool Writable() const { return problem_.empty(); }
    // Whether the subjects can be read: false for a file that is not a register, is damaged or is
    // newer, true for one this user may only read (and for one that does not exist yet).
    bool Readable() const { return problem_.empty() || db_ != nullptr; }

    // Every subject in the order of their name keys; the reads throw RegisterFault on a fault
    // that arises after opening (another program busy past the wait, a disk error).
    std::vector<ListedSubject> List();
    std::vector<Subject> All();
    // The subject of that name, without regard to case and accents.
    std::optional<Subject> Find(std::string_view name);

    // The changes, each one transaction. Names are trimmed; a subject the register cannot hold
    // throws RegisterFault with the reason.
    // A new subject; an existing name throws RegisterFault.
    void Add(Subject subject);
    // A new subject, or new date and time texts (and name as written) for an existing one, which
    // keeps its notes and time of creation.
    void SaveDate(Subject subject);
    // The name and notes of the subject named `name`.
    void Modify(std::string_view name, std::string newName, std::string notes);
    void Remove(std::string_view name);
    // The names held already among those of `subjects`, as the register writes them.
    std::vector<std::string> ExistingNames(const std::vector<Subject>& subjects);
    // All of `subjects` or none. Subjects keep the times they bring (now where they bring none).
    // `afterRow` is told the number of subjects written so far after each one (for progress).
    ImportCounts Import(const std::vector<Subject>& subjects, Existing existing,
                        const std::function<void(std::size_t)>& afterRow = {});

  private:
    void Open();
    // Runs `change` in one write transaction, making the file first if there is none. The change
    // only runs statements, so it gets the connection as const.
    void Write(const std::function<void(const Database&)>& change);
    Database& WritableDatabase();

    std::string path_;
    int busyMilliseconds_;
    std::string problem_;
    std::unique_ptr<Database> db_;  // none while the file does not exist or cannot be used
};

}  // namespace orvanel::subjects
