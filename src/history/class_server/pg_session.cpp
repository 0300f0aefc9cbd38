#include "history/class_server/pg_session.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "history/class_server/line_authority.h"
#include "history/class_server/stop_signal.h"

namespace {

using Clock = std::chrono::steady_clock;

// The parsed options of a connection line; nullptr when it cannot be parsed.
struct OptionsFree {
    void operator()(PQconninfoOption* options) const { PQconninfoFree(options); }
};
using Options = std::unique_ptr<PQconninfoOption, OptionsFree>;

// The line's settings as libpq reads them, its authority left out.
Options parsed(const std::string& line) {
    char* error = nullptr;
    Options options(PQconninfoParse(withoutAuthority(line).c_str(), &error));
    PQfreemem(error);
    return options;
}

// The value the line gives `keyword`; empty when it gives none.
std::string optionOf(const PQconninfoOption* options, const std::string& keyword) {
    for (const PQconninfoOption* option = options; option != nullptr && option->keyword != nullptr;
         ++option) {
        if (keyword == option->keyword && option->val != nullptr) return option->val;
    }
    return {};
}

constexpr char kSilent[] = "the server did not answer in time";
constexpr char kStopped[] = "stopped while waiting for the server";

}  // namespace

PgSession::PgSession(const std::string& line, ServerDeadlines deadlines, const StopSignal* stop)
    : deadlines_(deadlines), stop_(stop) {
    if (!parsed(line)) {
        trouble_ = ServerTrouble::NotAClassLine;
        detail_ = "not a connection line";
        return;
    }
    const std::string authority = authorityOf(line);
    if (authority.empty()) {
        connect(line);
        return;
    }
    // libpq reads the authority while connecting, from a file only this user may read.
    char name[] = "/tmp/abacus-ca-XXXXXX";
    const int file = ::mkstemp(name);
    const std::string pem = authorityPem(authority);
    const bool written =
        file >= 0 && ::write(file, pem.data(), pem.size()) == static_cast<ssize_t>(pem.size());
    if (file >= 0) ::close(file);
    if (written) {
        connect(withoutAuthority(line) + " sslrootcert=" + quotedConnectionValue(name));
    } else {
        trouble_ = ServerTrouble::Untrusted;
        detail_ = "the line's certificate authority could not be written for libpq";
    }
    if (file >= 0) ::unlink(name);
}

PgSession::~PgSession() { PQfinish(connection_); }

void PgSession::connect(const std::string& line) {
    connection_ = PQconnectStart(line.c_str());
    if (connection_ == nullptr || PQstatus(connection_) == CONNECTION_BAD) {
        giveUp(connection_ != nullptr ? PQerrorMessage(connection_) : "out of memory");
        return;
    }
    // The server's notices (such as its shutting down) are not for the family's terminal.
    PQsetNoticeProcessor(
        connection_, [](void*, const char*) {}, nullptr);
    const auto deadline = Clock::now() + deadlines_.connecting;
    for (;;) {
        switch (PQconnectPoll(connection_)) {
            case PGRES_POLLING_OK:
                if (PQsetnonblocking(connection_, 1) != 0) giveUp(PQerrorMessage(connection_));
                return;
            case PGRES_POLLING_READING:
                if (!waitFor(POLLIN, deadline)) return;
                break;
            case PGRES_POLLING_WRITING:
                if (!waitFor(POLLOUT, deadline)) return;
                break;
            default:
                giveUp(PQerrorMessage(connection_));
                return;
        }
    }
}

bool PgSession::waitFor(short events, Clock::time_point deadline) {
    pollfd waits[2] = {{PQsocket(connection_), events, 0},
                       {stop_ != nullptr ? stop_->descriptor() : -1, POLLIN, 0}};
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        const int ready = ::poll(waits, 2, static_cast<int>(std::max<long long>(left.count(), 0)));
        if (ready < 0 && errno == EINTR) continue;
        if (waits[1].revents != 0) {
            giveUp(kStopped);
            return false;
        }
        if (ready > 0) return true;
        giveUp(ready == 0 ? kSilent : "the connection's socket failed");
        return false;
    }
}

void PgSession::giveUp(const std::string& why) {
    trouble_ =
        PQstatus(connection_) == CONNECTION_OK ? ServerTrouble::NoAnswer : troubleOfConnection(why);
    detail_ = why;
    PQfinish(connection_);
    connection_ = nullptr;
}

bool PgSession::connected() const {
    return connection_ != nullptr && PQstatus(connection_) == CONNECTION_OK;
}

PgResult PgSession::collectResults() {
    const auto deadline = Clock::now() + deadlines_.silence;
    // The statement leaves in pieces when the socket's buffer is full.
    for (int flushed = PQflush(connection_); flushed != 0; flushed = PQflush(connection_)) {
        if (flushed < 0 || !waitFor(POLLOUT, deadline)) {
            if (flushed < 0) giveUp(PQerrorMessage(connection_));
            return nullptr;
        }
    }
    PgResult last;
    for (;;) {
        while (PQisBusy(connection_) != 0) {
            if (!waitFor(POLLIN, deadline)) return nullptr;
            if (PQconsumeInput(connection_) == 0) {
                giveUp(PQerrorMessage(connection_));
                return nullptr;
            }
        }
        PgResult next(PQgetResult(connection_));
        if (!next) return last;
        // A failed result is the one to keep: later ones only say the script went no further.
        if (!last || PQresultStatus(last.get()) == PGRES_COMMAND_OK ||
            PQresultStatus(last.get()) == PGRES_TUPLES_OK) {
            last = std::move(next);
        }
    }
}

bool PgSession::settle(const PgResult& result) {
    if (connection_ == nullptr) return false;
    const ExecStatusType status = PQresultStatus(result.get());
    if (result && (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)) {
        trouble_ = ServerTrouble::None;
        detail_.clear();
        return true;
    }
    trouble_ =
        PQstatus(connection_) == CONNECTION_OK ? ServerTrouble::Failed : ServerTrouble::NoAnswer;
    detail_ = result ? PQresultErrorMessage(result.get()) : PQerrorMessage(connection_);
    return false;
}

PgResult PgSession::run(const std::string& sql,
                        const std::vector<std::optional<std::string>>& values) {
    if (connection_ == nullptr) return nullptr;
    std::vector<const char*> pointers;
    for (const auto& value : values) pointers.push_back(value ? value->c_str() : nullptr);
    if (PQsendQueryParams(connection_, sql.c_str(), static_cast<int>(pointers.size()), nullptr,
                          pointers.data(), nullptr, nullptr, 0) == 0) {
        settle(nullptr);
        return nullptr;
    }
    PgResult result = collectResults();
    return settle(result) ? std::move(result) : nullptr;
}

bool PgSession::runScript(const std::string& sql) {
    if (connection_ == nullptr) return false;
    if (PQsendQuery(connection_, sql.c_str()) == 0) return settle(nullptr);
    return settle(collectResults());
}

ServerTrouble troubleOfConnection(const std::string& message) {
    if (message.find("password authentication failed") != std::string::npos ||
        message.find("no password supplied") != std::string::npos ||
        message.find("does not exist") != std::string::npos ||
        message.find("no pg_hba.conf entry") != std::string::npos) {
        return ServerTrouble::WrongPassword;
    }
    if (message.find("could not translate host name") != std::string::npos) {
        return ServerTrouble::UnknownServer;
    }
    if (message.find("server does not support SSL") != std::string::npos) {
        return ServerTrouble::NoEncryption;
    }
    if (message.find("certificate verify failed") != std::string::npos ||
        message.find("does not match host name") != std::string::npos ||
        message.find("root certificate file") != std::string::npos) {
        return ServerTrouble::Untrusted;
    }
    return ServerTrouble::NoAnswer;
}

bool isClassLine(const std::string& line) {
    const Options options = parsed(line);
    return options && !optionOf(options.get(), "user").empty() &&
           !optionOf(options.get(), "password").empty();
}

std::string hostOfLine(const std::string& line) {
    const std::string host = valueOfLine(line, "host");
    return host.empty() ? "localhost" : host;
}

std::string valueOfLine(const std::string& line, const std::string& keyword) {
    const Options options = parsed(line);
    return optionOf(options.get(), keyword);
}

std::string lineWithLogin(const std::string& line, const std::string& user,
                          const std::string& password) {
    const Options options = parsed(line);
    std::string changed;
    for (const PQconninfoOption* option = options.get();
         option != nullptr && option->keyword != nullptr; ++option) {
        const std::string keyword = option->keyword;
        if (option->val == nullptr || keyword == "user" || keyword == "password") continue;
        changed += keyword + "=" + quotedConnectionValue(option->val) + " ";
    }
    const std::string authority = authorityOf(line);
    return changed + "user=" + quotedConnectionValue(user) +
           " password=" + quotedConnectionValue(password) +
           (authority.empty() ? "" : " ca=" + authority);
}

std::string withTrainerDefaults(const std::string& line) {
    std::string full = line;
    if (valueOfLine(line, "connect_timeout").empty()) full += " connect_timeout=10";
    if (valueOfLine(line, "sslmode").empty()) full += " sslmode=prefer";
    if (valueOfLine(line, "application_name").empty()) {
        full += " application_name=abacus-trainer";
    }
    return full;
}

std::string quotedConnectionValue(const std::string& value) {
    std::string quoted = "'";
    for (const char c : value) {
        if (c == '\'' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "'";
}
