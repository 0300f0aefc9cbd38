#pragma once
// A real PostgreSQL server of Debian's package for one test: its own cluster in a temporary
// folder, listening on a socket there (and, when asked, on a free port of 127.0.0.1, with or
// without TLS by a certificate of its own), with passwords checked by SCRAM. initdb refuses to
// run as root, so as root the server runs as the ordinary user nobody.

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "history/class_server/pg_session.h"

// Where the server listens beside its socket.
enum class Listening { SocketOnly, LoopbackPlain, LoopbackTls };

class PostgresServer {
  public:
    // `settings` are more server options, such as "-c fsync=on".
    explicit PostgresServer(std::string settings = "-c fsync=off",
                            Listening listening = Listening::SocketOnly)
        : settings_(std::move(settings)) {
        if (listening != Listening::SocketOnly) {
            port_ = freeLoopbackPort();
            settings_ += " -c listen_addresses=127.0.0.1";
        }
        char name[] = "/tmp/class-server-test-XXXXXX";
        if (mkdtemp(name) == nullptr) return;
        folder_ = name;
        std::ofstream(folder_ + "/password") << kAdminPassword << '\n';
        if (::geteuid() == 0) shell("chown -R nobody:nogroup " + folder_);
        initialised_ = asServer(kBin + "initdb -N -D " + folder_ + "/data -U admin -E UTF8 " +
                                "--locale=C.UTF-8 --auth=scram-sha-256 --pwfile=" + folder_ +
                                "/password > " + folder_ + "/initdb.log 2>&1");
        if (initialised_ && listening == Listening::LoopbackTls) {
            initialised_ = asServer("openssl req -x509 -newkey rsa:2048 -nodes -days 1 "
                                    "-subj /CN=127.0.0.1 -keyout " + folder_ + "/data/server.key"
                                    " -out " + folder_ + "/data/server.crt > /dev/null 2>&1");
            settings_ += " -c ssl=on";
        }
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
                        " -c listen_addresses='' -c max_connections=40 -c port=" + port_ + " " +
                        settings_ + "\" start" +
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
        return "host=" + folder_ + " port=" + port_ + " dbname=" + database +
               " user=admin password=" + kAdminPassword;
    }
    // The port it listens on, on its socket and on 127.0.0.1.
    const std::string& port() const { return port_; }
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

    // A port of 127.0.0.1 that nothing listens on now.
    static std::string freeLoopbackPort() {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
        ::close(probe);
        return std::to_string(ntohs(address.sin_port));
    }

    std::string settings_;
    std::string port_ = "5432";
    std::string folder_;
    bool initialised_ = false;
};
