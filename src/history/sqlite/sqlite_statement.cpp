#include "history/sqlite/sqlite_statement.h"

SqliteStatement::SqliteStatement(sqlite3* database, std::string_view sql) {
    if (sqlite3_prepare_v3(database, sql.data(), static_cast<int>(sql.size()),
                           SQLITE_PREPARE_PERSISTENT, &statement_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

SqliteStatement& SqliteStatement::reset() {
    if (statement_ != nullptr) {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    bindFailed_ = false;
    return *this;
}

SqliteStatement& SqliteStatement::bind(int position, std::string_view text) {
    if (statement_ == nullptr || sqlite3_bind_text64(statement_, position, text.data(), text.size(),
                                                     SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK) {
        bindFailed_ = true;
    }
    return *this;
}

SqliteStatement& SqliteStatement::bind(int position, long long number) {
    if (statement_ == nullptr || sqlite3_bind_int64(statement_, position, number) != SQLITE_OK) {
        bindFailed_ = true;
    }
    return *this;
}

int SqliteStatement::step() {
    if (statement_ == nullptr || bindFailed_) return SQLITE_MISUSE;
    return sqlite3_step(statement_);
}

bool SqliteStatement::run() {
    int result = step();
    while (result == SQLITE_ROW) result = step();
    return result == SQLITE_DONE;
}

std::string SqliteStatement::text(int column) const {
    const auto* characters = sqlite3_column_text(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    if (characters == nullptr) return {};
    return std::string(reinterpret_cast<const char*>(characters), static_cast<std::size_t>(size));
}

long long SqliteStatement::number(int column) const {
    return sqlite3_column_int64(statement_, column);
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}
