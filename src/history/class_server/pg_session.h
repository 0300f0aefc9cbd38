#pragma once
// One connection to a PostgreSQL server through libpq. Every statement goes with its values
// bound as parameters, so no name or answer typed in the trainer is ever read as SQL.

#include <libpq-fe.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Why the server could not be used.
enum class ServerTrouble {
    None,
    NotAClassLine,  // the line is no connection line, or lacks a user or password
    WrongPassword,  // the server refused the user or password
    UnknownServer,  // the host name leads nowhere
    NoAnswer,       // nothing answers at that address, or the network is gone
    NoEncryption,   // the line asks for an encrypted connection the server does not offer
    NotAClass,      // the user belongs to no class of the server
    Failed,         // the server refused a statement
};

struct PgResultClear {
    void operator()(PGresult* result) const { PQclear(result); }
};
using PgResult = std::unique_ptr<PGresult, PgResultClear>;

class PgSession {
  public:
    // Connects with the libpq connection line `line`; connected() says whether it worked.
    explicit PgSession(const std::string& line);
    ~PgSession();
    PgSession(const PgSession&) = delete;
    PgSession& operator=(const PgSession&) = delete;

    bool connected() const;
    // Why the connection or the last statement failed; None after a success.
    ServerTrouble trouble() const { return trouble_; }
    // The server's own words about the last failure.
    std::string detail() const;
    PGconn* connection() const { return connection_; }
    // Runs `sql` with `values` as its parameters $1, $2 ... (nullopt is NULL); nullptr when the
    // statement failed, which trouble() then says.
    PgResult run(const std::string& sql,
                 const std::vector<std::optional<std::string>>& values = {});
    // Runs a fixed script of several statements that takes no values, in one transaction.
    bool runScript(const std::string& sql);

  private:
    PGconn* connection_ = nullptr;
    ServerTrouble trouble_ = ServerTrouble::None;
};

// The trouble a failed connection's message tells of.
ServerTrouble troubleOfConnection(const std::string& message);

// True when `line` is a libpq connection line naming a user and a password.
bool isClassLine(const std::string& line);

// The host a connection line names, for messages (the local socket when none).
std::string hostOfLine(const std::string& line);

// The line with the settings the trainer adds unless the line gives them: a bounded wait for
// the connection, TLS when the server offers it, and the program's name.
std::string withTrainerDefaults(const std::string& line);

// One value of a connection line, quoted as libpq reads it: 'it''s' becomes 'it\'s'.
std::string quotedConnectionValue(const std::string& value);
