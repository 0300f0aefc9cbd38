#pragma once
// One connection to a PostgreSQL server through libpq. Every statement goes with its values
// bound as parameters, so no name or answer typed in the trainer is ever read as SQL. Every
// wait on the server has an end kept here, not by the server or the network: the connection
// and each statement are driven through libpq's non-blocking calls, waiting in poll() with a
// deadline, and a server that stays silent past it is given up as unreachable (the connection
// is closed; the server rolls back whatever was under way).

#include <libpq-fe.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class StopSignal;

// Why the server could not be used.
enum class ServerTrouble {
    None,
    NotAClassLine,  // the line is no connection line, or lacks a user or password
    WrongPassword,  // the server refused the user or password
    UnknownServer,  // the host name leads nowhere
    NoAnswer,       // nothing answers at that address, the network is gone or the server silent
    NoEncryption,   // the line asks for an encrypted connection the server does not offer
    Untrusted,      // the server's certificate is not the one the line's authority vouches for
    NotAClass,      // the user belongs to no class of the server
    Failed,         // the server refused a statement
};

// How long the server may keep silent: while connecting, and within each statement.
struct ServerDeadlines {
    std::chrono::milliseconds connecting{10000};
    std::chrono::milliseconds silence{10000};
};

struct PgResultClear {
    void operator()(PGresult* result) const { PQclear(result); }
};
using PgResult = std::unique_ptr<PGresult, PgResultClear>;

class PgSession {
  public:
    // Connects with the libpq connection line `line`; connected() says whether it worked. A
    // raised `stop` ends any wait at once, as a silent server would.
    explicit PgSession(const std::string& line, ServerDeadlines deadlines = {},
                       const StopSignal* stop = nullptr);
    ~PgSession();
    PgSession(const PgSession&) = delete;
    PgSession& operator=(const PgSession&) = delete;

    bool connected() const;
    // Why the connection or the last statement failed; None after a success.
    ServerTrouble trouble() const { return trouble_; }
    // The server's own words about the last failure.
    std::string detail() const { return detail_; }
    // The open connection; nullptr once given up.
    PGconn* connection() const { return connection_; }
    // Runs `sql` with `values` as its parameters $1, $2 ... (nullopt is NULL); nullptr when the
    // statement failed, which trouble() then says.
    PgResult run(const std::string& sql,
                 const std::vector<std::optional<std::string>>& values = {});
    // Runs a fixed script of several statements that takes no values, in one transaction.
    bool runScript(const std::string& sql);

  private:
    // Drives the connection until it is made or fails.
    void connect(const std::string& line);
    // Waits until the socket is ready for `events` or the deadline passes; false when the server
    // stayed silent or the stop was raised.
    bool waitFor(short events, std::chrono::steady_clock::time_point deadline);
    // Reads every result of the statement sent; the last one, or nullptr when none came in time.
    PgResult collectResults();
    // Closes a connection that can no longer be trusted, saying why.
    void giveUp(const std::string& why);
    // Records the outcome of a statement from its last result.
    bool settle(const PgResult& result);

    ServerDeadlines deadlines_;
    const StopSignal* stop_;
    PGconn* connection_ = nullptr;
    ServerTrouble trouble_ = ServerTrouble::None;
    std::string detail_;
};

// The trouble a failed connection's message tells of.
ServerTrouble troubleOfConnection(const std::string& message);

// True when `line` is a libpq connection line naming a user and a password.
bool isClassLine(const std::string& line);

// The host a connection line names, for messages (the local socket when none).
std::string hostOfLine(const std::string& line);

// The value `line` gives `keyword`; empty when it gives none or cannot be parsed.
std::string valueOfLine(const std::string& line, const std::string& keyword);

// `line` logging in as `user` with `password` instead, its other settings kept.
std::string lineWithLogin(const std::string& line, const std::string& user,
                          const std::string& password);

// The line with the settings the trainer adds unless the line gives them: a bounded wait for
// the connection, TLS when the server offers it, and the program's name.
std::string withTrainerDefaults(const std::string& line);

// One value of a connection line, quoted as libpq reads it: 'it''s' becomes 'it\'s'.
std::string quotedConnectionValue(const std::string& value);
