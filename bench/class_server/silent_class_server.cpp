// A class server behind a link that goes silent, for the closing benchmark: a PostgreSQL of its
// own on 127.0.0.1, a class whose families reach it through a proxy that stops forwarding after
// the first INSERT, and the history file in the data folder given, joined to the class with
// three runs waiting. Prints "ready", then "silent" once the link has gone silent, and when its
// input ends, "outbox N" for the records still waiting.
// Usage: silent_class_server XDG_DATA_HOME < control

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

#include "class_admin.h"
#include "class_server/postgres_server.h"
#include "class_server/silent_proxy.h"
#include "history/class_server/class_joining.h"
#include "history/class_server/class_outbox.h"
#include "history/history_fixture.h"
#include "history/sqlite/history_file.h"
#include "history/sqlite/history_folder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: silent_class_server XDG_DATA_HOME\n", stderr);
        return 2;
    }
    PostgresServer server("-c fsync=off", Listening::LoopbackPlain);
    PgSession admin(server.line());
    std::string message;
    if (!server.running() || !initClassServer(admin, message)) {
        std::fprintf(stderr, "the server could not be set up: %s\n", message.c_str());
        return 1;
    }
    SilentProxy proxy(std::stoi(server.port()), "INSERT");
    const std::string line =
        addClass(admin, "三年级二班", {"127.0.0.1", proxy.port(), {}}, message);
    const std::string dataFolder = historyDataFolder(argv[1], "/nonexistent");
    createPrivateFolder(dataFolder);
    const std::string path = historyFileIn(dataFolder);
    {
        auto store = openHistoryFile(path).store;
        if (!store || !joinClass(path, line).joined) {
            std::fputs("the history could not join the class\n", stderr);
            return 1;
        }
        for (int i = 0; i < 3; ++i) store->storeRun(sampleRun("豆 豆", "2026-12-08", 3));
    }
    std::printf("ready\n");
    std::fflush(stdout);
    std::thread watch([&] {
        while (!proxy.silent()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::printf("silent\n");
        std::fflush(stdout);
    });
    watch.detach();
    for (std::string ignored; std::getline(std::cin, ignored);) {
    }
    std::printf("outbox %lld\n", ClassOutbox(path).waiting());
    std::fflush(stdout);
    return 0;
}
