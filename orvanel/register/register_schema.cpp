// Examining a register file and making its schema.
#include "orvanel/register/register_schema.h"

#include <string>

#include "orvanel/register/sqlite_db.h"

namespace orvanel::subjects {

namespace {

// Version 1. Texts are UTF-8; name_key is NameKey(name). The table is kept in the order of its key,
// so the list reads in one pass in the order it is shown.
constexpr const char* kSchema[] = {
    "CREATE TABLE subjects ("
    " name_key TEXT NOT NULL PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " year TEXT NOT NULL, month TEXT NOT NULL, day TEXT NOT NULL, time TEXT NOT NULL,"
    " notes TEXT NOT NULL DEFAULT '',"
    " created TEXT NOT NULL, changed TEXT NOT NULL) WITHOUT ROWID",
    "PRAGMA application_id = 1332901486",
    "PRAGMA user_version = 1",
};
static_assert(kApplicationId == 1332901486 && kSchemaVersion == 1, "the schema above states both");

FileVerdict VersionVerdict(Database& db) {
    const std::int64_t application = db.IntOf("PRAGMA application_id");
    const std::int64_t version = db.IntOf("PRAGMA user_version");
    const std::int64_t objects = db.IntOf("SELECT count(*) FROM sqlite_schema");
    if (application == kApplicationId)
        return version > kSchemaVersion ? FileVerdict::Newer : FileVerdict::Register;
    if (application == 0 && version == 0 && objects == 0) return FileVerdict::Empty;
    return FileVerdict::NotARegister;
}

}  // namespace

FileVerdict Examine(Database& db) {
    const FileVerdict verdict = VersionVerdict(db);
    if (verdict == FileVerdict::Register && db.TextOf("PRAGMA quick_check") != "ok")
        return FileVerdict::Damaged;
    return verdict;
}

void EnsureSchema(Database& db, const std::string& path) {
    switch (VersionVerdict(db)) {
        case FileVerdict::Empty:
            for (const char* statement : kSchema)
                db.Exec(statement);
            return;
        case FileVerdict::NotARegister:
            throw RegisterFault(NotARegisterMessage(path));
        case FileVerdict::Newer:
            throw RegisterFault(NewerMessage(path));
        default:
            return;  // version 1 is the first: nothing older to bring up to date yet
    }
}

}  // namespace orvanel::subjects
