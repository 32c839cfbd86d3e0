// The register's file format: SQLite with the application id below, the schema version in
// `PRAGMA user_version`, one table of subjects with a unique name key. A file is examined before
// anything is written to it, and a file that fails the examination is never written.
#pragma once

#include <cstdint>
#include <string>

namespace orvanel::subjects {

class Database;

inline constexpr std::int64_t kApplicationId = 0x4F72766E;  // "Orvn"
inline constexpr std::int64_t kSchemaVersion = 1;

enum class FileVerdict {
    Register,      // a register of this version or an older one
    Empty,         // an empty database (an empty file): a register once the schema is made
    NotARegister,  // another application's database
    Newer,         // a register of a later version of the program
    Damaged,       // SQLite's quick check finds faults
};

// Reads only. A file that is not SQLite at all throws SqliteFault (SQLITE_NOTADB), one damaged
// beyond reading SqliteFault (SQLITE_CORRUPT).
FileVerdict Examine(Database& db);

// Inside a write transaction: makes the schema of an empty database, or brings an older one up to
// date; refuses (RegisterFault with `path`) a file that is not a register or is newer.
void EnsureSchema(Database& db, const std::string& path);

}  // namespace orvanel::subjects
