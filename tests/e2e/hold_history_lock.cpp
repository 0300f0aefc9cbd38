// Holds the write lock of a history file as another trainer storing a run would, until it is
// ended. Prints "held" once it holds the lock. Usage: hold_history_lock <history file>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    sqlite3* database = nullptr;
    if (sqlite3_open_v2(argv[1], &database, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) return 1;
    sqlite3_busy_timeout(database, 10000);
    if (sqlite3_exec(database, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return 1;
    std::printf("held\n");
    std::fflush(stdout);
    for (;;) pause();
}
