#include "history/sqlite/history_file.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>

#include "history/sqlite/history_schema.h"
#include "history/sqlite/sqlite_history_store.h"

namespace {

constexpr char kFileName[] = "history.sqlite3";
constexpr char kNotKeptThisTime[] = "\n这次的学习记录无法保存，训练可以照常进行。";
constexpr mode_t kOwnerOnly = 0600;
constexpr int kMostDamagedNames = 100;

enum class Check { Usable, Locked, Damaged, TooNew, Failed };

// The message for a file at `path` that cannot be used, for the reason `reason`.
std::string notKept(const std::string& reason, const std::string& path) {
    return reason + "“" + path + "”" + kNotKeptThisTime;
}

// Closes a connection that is not handed to a store.
struct ConnectionCloser {
    void operator()(sqlite3* database) const { sqlite3_close_v2(database); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

// Runs one statement without values; its result code.
int execute(sqlite3* database, const char* sql) {
    return sqlite3_exec(database, sql, nullptr, nullptr, nullptr);
}

// True for the codes of another connection holding the file.
bool isBusy(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

// True for the codes of a file that is not a sound database.
bool isDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

// Sorts a failed step into the reasons the person is told.
Check checkOf(int code) {
    if (isBusy(code)) return Check::Locked;
    if (isDamage(code)) return Check::Damaged;
    return Check::Failed;
}

// Creates the file with mode 0600 when it is not there yet; true when it exists afterwards.
bool createIfMissing(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly);
    if (descriptor >= 0) {
        ::close(descriptor);
        return true;
    }
    return errno == EEXIST;
}

// True when the file may not be written, by its permissions or by the system; a file whose
// owner took away its write permission counts as read-only even for the administrator.
bool isReadOnly(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return true;
    return (status.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), R_OK | W_OK) != 0;
}

// The integrity check over the whole file; the busy and damage codes pass through.
int integrityCheck(sqlite3* database) {
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(database, "PRAGMA quick_check(1)", -1, &statement, nullptr);
    if (code == SQLITE_OK) {
        code = sqlite3_step(statement);
        if (code == SQLITE_ROW) {
            const auto* answer = sqlite3_column_text(statement, 0);
            const bool sound =
                answer != nullptr && std::string(reinterpret_cast<const char*>(answer)) == "ok";
            code = sound ? SQLITE_OK : SQLITE_CORRUPT;
        }
    }
    sqlite3_finalize(statement);
    return code;
}

// Checks the open file, turns on write-ahead logging and brings the schema up to date.
Check prepare(sqlite3* database) {
    sqlite3_busy_timeout(database, kHistoryBusyMilliseconds);
    sqlite3_extended_result_codes(database, 1);
    if (const int code = integrityCheck(database); code != SQLITE_OK) return checkOf(code);
    if (const int code = execute(database, "PRAGMA journal_mode=WAL"); code != SQLITE_OK) {
        return checkOf(code);
    }
    execute(database, "PRAGMA synchronous=FULL");
    execute(database, "PRAGMA foreign_keys=ON");
    switch (migrateHistorySchema(database, kHistorySchemaVersion)) {
        case MigrationResult::Current:
            return Check::Usable;
        case MigrationResult::Busy:
            return Check::Locked;
        case MigrationResult::Damaged:
            return Check::Damaged;
        case MigrationResult::TooNew:
            return Check::TooNew;
        case MigrationResult::Failed:
            break;
    }
    return Check::Failed;
}

// Opens and checks `path`; the connection is handed back only when it is usable.
Check openChecked(const std::string& path, Connection& connection) {
    sqlite3* database = nullptr;
    const int code = sqlite3_open_v2(path.c_str(), &database,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW, nullptr);
    connection.reset(database);
    if (code != SQLITE_OK) return checkOf(code);
    const Check check = prepare(database);
    if (check != Check::Usable) connection.reset();
    return check;
}

// Moves `from` to `to` unless `to` exists; never replaces a file.
bool moveWithoutReplacing(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
}

// Keeps a damaged file, with its write-ahead log, under a new name beside it; the new name,
// or empty when it could not be moved.
std::string keepDamaged(const std::string& path) {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    for (int attempt = 0; attempt < kMostDamagedNames; ++attempt) {
        const std::string kept = path + ".damaged-" + std::string(stamp) +
                                 (attempt == 0 ? std::string() : "-" + std::to_string(attempt));
        if (std::filesystem::exists(kept + "-wal") || !moveWithoutReplacing(path, kept)) continue;
        for (const char* companion : {"-wal", "-shm"}) {
            if (std::filesystem::exists(path + companion)) {
                moveWithoutReplacing(path + companion, kept + companion);
            }
        }
        return kept;
    }
    return {};
}

// The file name shown in messages.
std::string shownName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

std::string historyFileIn(const std::string& dataFolder) {
    return (std::filesystem::path(dataFolder) / kFileName).string();
}

HistoryOpening openHistoryFile(const std::string& path) {
    if (!createIfMissing(path)) return {nullptr, notKept("无法创建学习记录文件", path)};
    if (isReadOnly(path)) {
        return {nullptr, notKept("学习记录文件是只读的：", path)};
    }
    Connection connection;
    switch (openChecked(path, connection)) {
        case Check::Usable:
            return {std::make_unique<SqliteHistoryStore>(connection.release()), {}};
        case Check::Locked:
            return {nullptr, notKept("另一个童趣星正在使用学习记录文件", path)};
        case Check::TooNew:
            return {nullptr, notKept("学习记录文件来自更新版本的童趣星：", path)};
        case Check::Failed:
            return {nullptr, notKept("无法打开学习记录文件", path)};
        case Check::Damaged:
            break;
    }
    const std::string kept = keepDamaged(path);
    if (kept.empty()) return {nullptr, notKept("学习记录文件已损坏：", path)};
    const std::string keptText =
        "学习记录文件已损坏，原文件已改名为“" + shownName(kept) + "”，保留在同一文件夹中。";
    if (!createIfMissing(path) || openChecked(path, connection) != Check::Usable) {
        return {nullptr, keptText + kNotKeptThisTime};
    }
    return {std::make_unique<SqliteHistoryStore>(connection.release()),
            keptText + "\n新的学习记录将保存在一个新文件中。"};
}
