// A thin layer over SQLite's C interface for the register: one connection, prepared statements with
// bound parameters (texts are never pasted into SQL), and every failure thrown as a SqliteFault that
// carries SQLite's primary result code and a Spanish message for the user.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "orvanel/register/register_fault.h"

struct sqlite3;
struct sqlite3_stmt;

namespace orvanel::subjects {

class SqliteFault : public RegisterFault {
  public:
    SqliteFault(int code, const std::string& message) : RegisterFault(message), code_(code) {}
    int Code() const { return code_; }

  private:
    int code_;
};

class Statement {
  public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are numbered from 1.
    Statement& Bind(int index, std::string_view text);
    // The next row: true when there is one.
    bool Step();
    // Makes the statement ready to run again with new parameters.
    void Reset();
    // Columns of the current row, numbered from 0.
    std::string Text(int column) const;
    std::int64_t Int(int column) const;

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

class Database {
  public:
    // `flags` are sqlite3_open_v2's; waits up to `busyMilliseconds` for a lock before giving up.
    Database(const std::string& path, int flags, int busyMilliseconds);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void Exec(std::string_view sql);
    // The first column of the first row of `sql` (a pragma), as a number or a text.
    std::int64_t IntOf(std::string_view sql);
    std::string TextOf(std::string_view sql);
    sqlite3* Handle() const { return db_; }
    // Rows changed by the last statement.
    int Changes() const;

  private:
    sqlite3* db_ = nullptr;
};

// Throws SqliteFault for `code` unless it is SQLITE_OK, SQLITE_ROW or SQLITE_DONE.
void CheckSqlite(sqlite3* db, int code);

}  // namespace orvanel::subjects
