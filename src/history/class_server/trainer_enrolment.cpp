#include "history/class_server/trainer_enrolment.h"

#include "history/class_server/random_text.h"

namespace {

// The class's name, whether the role joins by enrolling, and whether the server knows how.
constexpr char kClassOfSession[] = R"(
SELECT abacus.joined_class(),
    EXISTS (SELECT 1 FROM pg_catalog.pg_auth_members m
            JOIN pg_catalog.pg_roles g ON g.oid = m.roleid
            JOIN pg_catalog.pg_roles r ON r.oid = m.member
            WHERE g.rolname = 'abacus_joiners' AND r.rolname = session_user),
    to_regprocedure('abacus.enrol(text)') IS NOT NULL
)";

}  // namespace

std::optional<LineClass> classOfSession(PgSession& session) {
    const PgResult answer = session.run(kClassOfSession);
    if (!answer) {
        return session.trouble() == ServerTrouble::Failed ? std::optional(LineClass{})
                                                          : std::nullopt;
    }
    if (PQntuples(answer.get()) < 1 || PQgetisnull(answer.get(), 0, 0) != 0) return LineClass{};
    const bool joins = std::string(PQgetvalue(answer.get(), 0, 1)) == "t";
    const bool enrols = std::string(PQgetvalue(answer.get(), 0, 2)) == "t";
    const LineRole role = joins    ? LineRole::ClassLine
                          : enrols ? LineRole::OwnLine
                                   : LineRole::OlderServer;
    return LineClass{PQgetvalue(answer.get(), 0, 0), role};
}

std::optional<std::string> enrolTrainer(PgSession& session, const std::string& classLine) {
    if (session.connection() == nullptr) return std::nullopt;
    const std::string password = randomPassword();
    // A SCRAM secret does not depend on the role's name, which the server chooses.
    char* hashed =
        PQencryptPasswordConn(session.connection(), password.c_str(), "trainer", "scram-sha-256");
    if (hashed == nullptr) return std::nullopt;
    const std::string hashedText = hashed;
    PQfreemem(hashed);
    // Whatever defaults someone gave the class's role, joining writes.
    if (!session.run("SET default_transaction_read_only = off")) return std::nullopt;
    const PgResult role = session.run("SELECT abacus.enrol($1)", {hashedText});
    if (!role || PQntuples(role.get()) != 1) return std::nullopt;
    return lineWithLogin(classLine, PQgetvalue(role.get(), 0, 0), password);
}
