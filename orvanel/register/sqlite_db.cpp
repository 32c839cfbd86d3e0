// SQLite calls, each checked.
#include "orvanel/register/sqlite_db.h"

#include <sqlite3.h>

#include <limits>

namespace orvanel::subjects {

namespace {

std::string MessageFor(int primary, sqlite3* db) {
    switch (primary) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return kBusyMessage;
        case SQLITE_FULL:
            return "No queda espacio en el disco para el registro de sujetos";
        case SQLITE_READONLY:
            return "El registro de sujetos solo se puede leer; no se ha cambiado nada";
        case SQLITE_NOTADB:
            return "El archivo no es un registro de sujetos";
        case SQLITE_CORRUPT:
            return "El registro de sujetos está dañado";
        default:
            return std::string("El registro de sujetos no responde: ") +
                   (db ? sqlite3_errmsg(db) : sqlite3_errstr(primary));
    }
}

int TextLength(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw SqliteFault(SQLITE_TOOBIG, "El texto es demasiado largo para el registro de sujetos");
    }
    return static_cast<int>(text.size());
}

}  // namespace

void CheckSqlite(sqlite3* db, int code) {
    const int primary = code & 0xFF;
    if (primary == SQLITE_OK || primary == SQLITE_ROW || primary == SQLITE_DONE) return;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) throw RegisterBusy();
    throw SqliteFault(primary, MessageFor(primary, db));
}

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    CheckSqlite(db_, sqlite3_prepare_v2(db_, sql.data(), TextLength(sql), &stmt_, nullptr));
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement& Statement::Bind(int index, std::string_view text) {
    CheckSqlite(db_, sqlite3_bind_text(stmt_, index, text.data(), TextLength(text), SQLITE_TRANSIENT));
    return *this;
}

bool Statement::Step() {
    const int code = sqlite3_step(stmt_);
    CheckSqlite(db_, code);
    return code == SQLITE_ROW;
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::string Statement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                : std::string();
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

Database::Database(const std::string& path, int flags, int busyMilliseconds) {
    // A connection is only ever used by the thread that made it: no mutex around every call.
    const int code = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const int primary = code & 0xFF;
        sqlite3_close(db_);
        db_ = nullptr;
        throw SqliteFault(primary, MessageFor(primary, nullptr));
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, busyMilliseconds);
}

Database::~Database() {
    sqlite3_close(db_);
}

void Database::Exec(std::string_view sql) {
    Statement(db_, sql).Step();
}

std::int64_t Database::IntOf(std::string_view sql) {
    Statement s(db_, sql);
    return s.Step() ? s.Int(0) : 0;
}

std::string Database::TextOf(std::string_view sql) {
    Statement s(db_, sql);
    return s.Step() ? s.Text(0) : std::string();
}

int Database::Changes() const {
    return sqlite3_changes(db_);
}

}  // namespace orvanel::subjects
