#pragma once
// A prepared SQLite statement with bound values: names and answers are data, never SQL.

#include <sqlite3.h>

#include <string>
#include <string_view>

class SqliteStatement {
  public:
    SqliteStatement(sqlite3* database, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool prepared() const { return statement_ != nullptr; }
    // Clears the previous values and makes the statement ready to run again.
    SqliteStatement& reset();
    SqliteStatement& bind(int position, std::string_view text);
    SqliteStatement& bind(int position, long long number);
    // Runs one step: SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    // Runs the statement to its end; true when every step succeeded.
    bool run();
    std::string text(int column) const;
    long long number(int column) const;
    // True when the column of the current row holds no value.
    bool isNull(int column) const;

  private:
    sqlite3_stmt* statement_ = nullptr;
    bool bindFailed_ = false;
};
