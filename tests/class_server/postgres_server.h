#pragma once
// A real PostgreSQL server of Debian's package for one test: its own cluster in a temporary
// folder, listening only on a socket there, with passwords checked by SCRAM. initdb refuses to
// run as root, so as root the server runs as the ordinary user nobody.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "history/class_server/pg_session.h"

class PostgresServer {
  public:
    // `settings` are more server options, such as "-c fsync=on".
    explicit PostgresServer(std::string settings = "-c fsync=off")
        : settings_(std::move(settings)) {
        char name[] = "/tmp/class-server-test-XXXXXX";
        if (mkdtemp(name) == nullptr) return;
        folder_ = name;
        std::ofstream(folder_ + "/password") << kAdminPassword << '\n';
        if (::geteuid() == 0) shell("chown -R nobody:nogroup " + folder_);
        initialised_ = asServer(kBin + "initdb -N -D " + folder_ + "/data -U admin -E UTF8 " +
                                "--locale=C.UTF-8 --auth=scram-sha-256 --pwfile=" + folder_ +
                                "/password > " + folder_ + "/initdb.log 2>&1");
        if (initialised_ && start()) {
            PgSession admin(line("postgres"));
            admin.run("CREATE DATABASE abacus");
        }
    }
    ~PostgresServer() {
        if (initialised_) kill();
        std::filesystem::remove_all(folder_);
    }
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // Starts the server and waits until it takes connections.
    bool start() {
        return asServer(kBin + "pg_ctl -w -t 30 -D " + folder_ + "/data -l " + folder_ +
                        "/server.log -o \"-k " + folder_ +
                        " -c listen_addresses='' -c max_connections=40 " + settings_ + "\" start" +
                        " > /dev/null 2>&1");
    }
    // Stops it as a person would: the sessions under way are ended.
    bool stop() {
        return asServer(kBin + "pg_ctl -w -D " + folder_ + "/data -m fast stop > /dev/null 2>&1");
    }
    // Kills it: every process quits at once, in the middle of whatever it does.
    bool kill() {
        return asServer(kBin + "pg_ctl -D " + folder_ + "/data -m immediate stop > /dev/null 2>&1");
    }

    // The administrator's connection line to `database`.
    std::string line(const std::string& database = "abacus") const {
        return "host=" + folder_ + " port=5432 dbname=" + database +
               " user=admin password=" + kAdminPassword;
    }
    // The socket folder, as a host of a connection line.
    const std::string& folder() const { return folder_; }
    bool running() const { return initialised_; }

  private:
    static inline const std::string kBin = "/usr/lib/postgresql/15/bin/";
    static constexpr char kAdminPassword[] = "admin-secret";

    static bool shell(const std::string& command) { return std::system(command.c_str()) == 0; }
    // Runs a server command as the ordinary user when this test runs as root.
    static bool asServer(const std::string& command) {
        if (::geteuid() != 0) return shell(command);
        return shell("runuser -u nobody -- sh -c '" + escaped(command) + "'");
    }
    // `text` inside single quotes of sh.
    static std::string escaped(const std::string& text) {
        std::string out;
        for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out;
    }

    std::string settings_;
    std::string folder_;
    bool initialised_ = false;
};
