#include "history/sqlite/history_file.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "history/sqlite/database_header.h"
#include "history/sqlite/history_folder.h"
#include "history/sqlite/history_schema.h"
#include "history/sqlite/kept_copies.h"
#include "history/sqlite/sqlite_history_store.h"
#include "history/sqlite/write_ahead_log.h"

namespace {

constexpr char kFileName[] = "history.sqlite3";
constexpr char kNotKeptThisTime[] = "\n这次的学习记录无法保存，训练可以照常进行。";
constexpr mode_t kOwnerOnly = 0600;
constexpr char kNewFileText[] = "\n新的学习记录将保存在一个新文件中。";
constexpr auto kBusyRetryPause = std::chrono::milliseconds(20);
// A reader of the write-ahead log never waits for a writer; this only covers another trainer
// opening or checkpointing the log at that moment.
constexpr int kReaderBusyMilliseconds = 20;
// The file, its write-ahead log and its shared memory, with the names messages give them.
struct Companion {
    const char* suffix;
    const char* name;
};
const Companion kFileAndCompanions[] = {
    {"", "学习记录文件"}, {"-wal", "学习记录文件的日志"}, {"-shm", "学习记录文件的共享内存"}};

enum class Check { Usable, Locked, Damaged, TooNew, Failed };

// The message for a file at `path` that cannot be used, for the reason `reason`.
std::string notKept(const std::string& reason, const std::string& path) {
    return reason + "“" + path + "”" + kNotKeptThisTime;
}

// The message for a file at `path` that cannot be used, for the reason `reason`, with its cause.
std::string notKept(const std::string& reason, const std::string& path, const std::string& cause) {
    return reason + "“" + path + "”：" + cause + "。" + kNotKeptThisTime;
}

// The folder of the file at `path`.
std::string folderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// The cause of a folder that could not be made, entered or written in.
std::string folderCause(const FolderTrouble& trouble) {
    return "无法使用文件夹“" + trouble.at + "”（" + causeOf(trouble.error) + "）";
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

// Sorts a schema check or migration into the reasons the person is told.
Check checkOf(MigrationResult result) {
    switch (result) {
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

// Creates the file with mode 0600 when it is not there yet; true when it exists afterwards.
bool createIfMissing(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly);
    if (descriptor >= 0) {
        ::close(descriptor);
        return true;
    }
    return errno == EEXIST;
}

// Whether this user may read and write a file.
enum class Access { Usable, NotReadable, NotWritable, ReadOnly };

// What this user may do with the existing file at `path`; a file whose owner took away its write
// permission, or one on a read-only disk, counts as read-only even for the administrator.
Access accessTo(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || ::access(path.c_str(), R_OK) != 0) {
        return errno == EROFS ? Access::ReadOnly : Access::NotReadable;
    }
    if ((status.st_mode & S_IWUSR) == 0) return Access::ReadOnly;
    if (::access(path.c_str(), W_OK) != 0) {
        return errno == EROFS ? Access::ReadOnly : Access::NotWritable;
    }
    return Access::Usable;
}

// The words for what stands at a history path when it is not a plain file; empty when it is
// one or there is nothing.
std::string notAFile(FileKind kind) {
    switch (kind) {
        case FileKind::Link:
            return "是一个链接：";
        case FileKind::Dangling:
            return "是一个指向不存在的位置的链接：";
        case FileKind::Pipe:
            return "是一个命名管道，不是文件：";
        case FileKind::Folder:
            return "是一个文件夹，不是文件：";
        case FileKind::Device:
            return "是一个设备，不是文件：";
        case FileKind::Socket:
            return "是一个套接字，不是文件：";
        case FileKind::Missing:
        case FileKind::Plain:
            break;
    }
    return {};
}

// The reason a file named `name` in messages cannot be used with `access`; empty when it can.
std::string refusal(Access access, const std::string& name) {
    switch (access) {
        case Access::NotReadable:
            return "没有权限读取" + name + "：";
        case Access::NotWritable:
            return "没有权限写入" + name + "：";
        case Access::ReadOnly:
            return name + "是只读的：";
        case Access::Usable:
            break;
    }
    return {};
}

// Why the file at `path` or its log or shared memory cannot be used, with the path it concerns
// in the message; empty when nothing there stands in the way. Nothing found there is opened.
std::string refusedAt(const std::string& path, const std::string& givenPath) {
    for (const Companion& companion : kFileAndCompanions) {
        const std::string reason = notAFile(kindAt(path + companion.suffix));
        if (!reason.empty()) {
            return notKept(std::string(companion.name) + reason, givenPath + companion.suffix);
        }
    }
    if (!createIfMissing(path)) {
        const int error = errno;
        const FolderTrouble folder = unusableFolder(folderOf(givenPath));
        return notKept("无法创建学习记录文件", givenPath,
                       folder.at.empty() ? causeOf(error) : folderCause(folder));
    }
    for (const Companion& companion : kFileAndCompanions) {
        if (kindAt(path + companion.suffix) == FileKind::Missing) continue;
        const std::string reason = refusal(accessTo(path + companion.suffix), companion.name);
        if (!reason.empty()) return notKept(reason, givenPath + companion.suffix);
    }
    return {};
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
    if (const MigrationResult schema = checkHistorySchema(database, kHistorySchemaVersion);
        schema != MigrationResult::Current) {
        return checkOf(schema);
    }
    if (const int code = execute(database, "PRAGMA journal_mode=WAL"); code != SQLITE_OK) {
        return checkOf(code);
    }
    execute(database, "PRAGMA synchronous=FULL");
    execute(database, "PRAGMA foreign_keys=ON");
    return checkOf(migrateHistorySchema(database, kHistorySchemaVersion));
}

// Opens and checks `path`; the connection is handed back only when it is usable.
Check openChecked(const std::string& path, Connection& connection) {
    sqlite3* database = nullptr;
    const int code = sqlite3_open_v2(path.c_str(), &database,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW, nullptr);
    connection.reset(database);
    if (code != SQLITE_OK) return checkOf(code);
    // Until the file has passed its checks, closing must not write its log into it.
    sqlite3_db_config(database, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    const Check check = prepare(database);
    if (check != Check::Usable) {
        connection.reset();
        return check;
    }
    sqlite3_db_config(database, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    return check;
}

// Opens and checks `path`, trying again while another trainer holds it, for as long as one
// busy wait lasts, so trainers starting together on a new file all get it.
Check openWaitingForOthers(const std::string& path, Connection& connection) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kHistoryBusyMilliseconds);
    Check check = openChecked(path, connection);
    while (check == Check::Locked && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kBusyRetryPause);
        check = openChecked(path, connection);
    }
    return check;
}

// The file name shown in messages.
std::string shownName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// Copies the file and its log aside when the log holds writes SQLite would drop on opening;
// what to tell the person, or empty when the log is sound.
std::string keepLogThatLosesCommits(const std::string& path) {
    if (!logLosesCommits(path + "-wal")) return {};
    const std::string kept = keepCopy(path);
    if (kept.empty()) return "学习记录文件的日志已损坏，其中一部分记录读不出来，也无法复制保留。";
    return "学习记录文件的日志已损坏，其中一部分记录读不出来；文件和日志已复制为“" +
           shownName(kept) + "”和“" + shownName(kept) + "-wal”，保留在同一文件夹中。";
}

}  // namespace

std::string historyFileIn(const std::string& dataFolder) {
    return (std::filesystem::path(dataFolder) / kFileName).string();
}

HistoryOpening openHistoryFile(const std::string& givenPath) {
    const std::string folder = std::filesystem::path(givenPath).parent_path().string();
    if (const FolderTrouble trouble =
            folder.empty() ? FolderTrouble{} : createPrivateFolder(folder);
        !trouble.at.empty()) {
        return {nullptr, notKept("无法创建学习记录文件", givenPath, folderCause(trouble))};
    }
    const std::string path = withResolvedFolders(givenPath);
    if (std::string refused = refusedAt(path, givenPath); !refused.empty()) {
        return {nullptr, std::move(refused)};
    }
    // The log and shared memory are made beside the file.
    if (const FolderTrouble trouble = unusableFolder(folderOf(givenPath)); !trouble.at.empty()) {
        return {nullptr, notKept("无法打开学习记录文件", givenPath, folderCause(trouble))};
    }
    const std::string logText = keepLogThatLosesCommits(path);
    const auto told = [&logText](const std::string& text) {
        return logText.empty() ? text : text.empty() ? logText : logText + "\n" + text;
    };
    Connection connection;
    const Check check =
        headerFieldsSound(path) ? openWaitingForOthers(path, connection) : Check::Damaged;
    switch (check) {
        case Check::Usable:
            return {std::make_unique<SqliteHistoryStore>(connection.release()), logText};
        case Check::Locked:
            return {nullptr, told(notKept("另一个童趣星正在使用学习记录文件", givenPath))};
        case Check::TooNew:
            return {nullptr, told(notKept("学习记录文件来自更新版本的童趣星：", givenPath))};
        case Check::Failed:
            return {nullptr, told(notKept("无法打开学习记录文件", givenPath))};
        case Check::Damaged:
            break;
    }
    const std::string kept = keepDamaged(path);
    if (kept.empty()) return {nullptr, told(notKept("学习记录文件已损坏：", givenPath))};
    const std::string keptText =
        "学习记录文件已损坏，原文件已改名为“" + shownName(kept) + "”，保留在同一文件夹中。";
    if (!createIfMissing(path) || openWaitingForOthers(path, connection) != Check::Usable) {
        return {nullptr, told(keptText + kNotKeptThisTime)};
    }
    return {std::make_unique<SqliteHistoryStore>(connection.release()),
            told(keptText + kNewFileText)};
}

std::unique_ptr<HistoryStore> openHistoryReader(const std::string& givenPath) {
    sqlite3* database = nullptr;
    const int code = sqlite3_open_v2(withResolvedFolders(givenPath).c_str(), &database,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW, nullptr);
    Connection connection(database);
    if (code != SQLITE_OK) return nullptr;
    sqlite3_busy_timeout(database, kReaderBusyMilliseconds);
    execute(database, "PRAGMA query_only=1");
    return std::make_unique<SqliteHistoryStore>(connection.release());
}
