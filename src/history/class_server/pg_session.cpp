#include "history/class_server/pg_session.h"

namespace {

// The parsed options of a connection line; nullptr when it cannot be parsed.
struct OptionsFree {
    void operator()(PQconninfoOption* options) const { PQconninfoFree(options); }
};
using Options = std::unique_ptr<PQconninfoOption, OptionsFree>;

Options parsed(const std::string& line) {
    char* error = nullptr;
    Options options(PQconninfoParse(line.c_str(), &error));
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

// True when the line has a value for `keyword`.
bool gives(const std::string& line, const std::string& keyword) {
    const Options options = parsed(line);
    return !optionOf(options.get(), keyword).empty();
}

}  // namespace

PgSession::PgSession(const std::string& line) {
    if (!parsed(line)) {
        trouble_ = ServerTrouble::NotAClassLine;
        return;
    }
    connection_ = PQconnectdb(line.c_str());
    // The server's notices (such as its shutting down) are not for the family's terminal.
    PQsetNoticeProcessor(
        connection_, [](void*, const char*) {}, nullptr);
    if (PQstatus(connection_) != CONNECTION_OK) {
        trouble_ = troubleOfConnection(PQerrorMessage(connection_));
    }
}

PgSession::~PgSession() { PQfinish(connection_); }

bool PgSession::connected() const {
    return connection_ != nullptr && PQstatus(connection_) == CONNECTION_OK;
}

std::string PgSession::detail() const {
    return connection_ != nullptr ? PQerrorMessage(connection_) : "not a connection line";
}

PgResult PgSession::run(const std::string& sql,
                        const std::vector<std::optional<std::string>>& values) {
    if (connection_ == nullptr) return nullptr;
    std::vector<const char*> pointers;
    for (const auto& value : values) pointers.push_back(value ? value->c_str() : nullptr);
    PgResult result(PQexecParams(connection_, sql.c_str(), static_cast<int>(pointers.size()),
                                 nullptr, pointers.data(), nullptr, nullptr, 0));
    const ExecStatusType status = PQresultStatus(result.get());
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) {
        trouble_ = ServerTrouble::None;
        return result;
    }
    trouble_ =
        PQstatus(connection_) == CONNECTION_OK ? ServerTrouble::Failed : ServerTrouble::NoAnswer;
    return nullptr;
}

bool PgSession::runScript(const std::string& sql) {
    if (connection_ == nullptr) return false;
    const PgResult result(PQexec(connection_, sql.c_str()));
    const ExecStatusType status = PQresultStatus(result.get());
    const bool done = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    trouble_ = done                                     ? ServerTrouble::None
               : PQstatus(connection_) == CONNECTION_OK ? ServerTrouble::Failed
                                                        : ServerTrouble::NoAnswer;
    return done;
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
    return ServerTrouble::NoAnswer;
}

bool isClassLine(const std::string& line) {
    const Options options = parsed(line);
    return options && !optionOf(options.get(), "user").empty() &&
           !optionOf(options.get(), "password").empty();
}

std::string hostOfLine(const std::string& line) {
    const Options options = parsed(line);
    const std::string host = optionOf(options.get(), "host");
    return host.empty() ? "localhost" : host;
}

std::string withTrainerDefaults(const std::string& line) {
    std::string full = line;
    if (!gives(line, "connect_timeout")) full += " connect_timeout=10";
    if (!gives(line, "sslmode")) full += " sslmode=prefer";
    if (!gives(line, "application_name")) full += " application_name=abacus-trainer";
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
