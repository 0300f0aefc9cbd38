#include "class_admin.h"

#include "history/class_server/class_server_schema.h"
#include "history/class_server/random_text.h"

namespace {

constexpr int kRoleSuffixLength = 8;

// A value of a connection line, quoted only when it must be.
std::string lineValue(const std::string& value) {
    if (!value.empty() && value.find_first_of(" '\\\t") == std::string::npos) return value;
    return quotedConnectionValue(value);
}

// The line that reaches the server as `role` with `password`.
std::string connectionLine(PgSession& session, const PublicAddress& address,
                           const std::string& role, const std::string& password) {
    PGconn* connection = session.connection();
    const std::string host = address.host.empty() ? PQhost(connection) : address.host;
    const std::string port = address.port.empty() ? PQport(connection) : address.port;
    const std::string checked =
        address.authority.empty() ? "" : " sslmode=verify-full ca=" + address.authority;
    return "host=" + lineValue(host) + " port=" + lineValue(port) +
           " dbname=" + lineValue(PQdb(connection)) + checked + " user=" + role +
           " password=" + password;
}

// Creates the login role `role` in the group `group`, its password hashed here so that it never
// reaches the server, or its logs, as text.
bool createLogin(PgSession& session, const std::string& role, const std::string& password,
                 const std::string& group) {
    char* hashed = PQencryptPasswordConn(session.connection(), password.c_str(), role.c_str(),
                                         "scram-sha-256");
    if (hashed == nullptr) return false;
    const std::string hashedText = hashed;
    PQfreemem(hashed);
    return session.run("SELECT abacus.create_login($1, $2, $3)", {role, hashedText, group}) !=
           nullptr;
}

// Rolls back and says why.
std::string abandon(PgSession& session, std::string& message, const std::string& why) {
    message = why;
    session.run("ROLLBACK");
    return {};
}

// Rolls back, says why, and answers false.
bool refuse(PgSession& session, std::string& message, const std::string& why) {
    abandon(session, message, why);
    return false;
}

// Brings a schema already there to this tool's version in one transaction, the version's row
// locked so that two at once upgrade it once.
bool upgradeClassServer(PgSession& session, std::string& message) {
    if (!session.run("BEGIN")) return refuse(session, message, session.detail());
    const PgResult stored = session.run("SELECT version FROM abacus.schema_version FOR UPDATE");
    if (!stored) return refuse(session, message, session.detail());
    const int version =
        PQntuples(stored.get()) == 1 ? std::stoi(PQgetvalue(stored.get(), 0, 0)) : 0;
    if (version < 1) {
        return refuse(session, message,
                      "the database holds an abacus schema of no known version; "
                      "abacus-class init needs an empty database");
    }
    if (version > kClassServerVersion) {
        return refuse(session, message,
                      "the class server in this database is of version " + std::to_string(version) +
                          ", newer than this abacus-class knows (" +
                          std::to_string(kClassServerVersion) + ")");
    }
    if (version == kClassServerVersion) {
        session.run("ROLLBACK");
        message = "the class server is already set up in this database";
        return true;
    }
    if (!session.runScript(classServerSteps(version)) || !session.run("COMMIT")) {
        return refuse(session, message, session.detail());
    }
    message = "the class server is upgraded to version " + std::to_string(kClassServerVersion);
    return true;
}

// The rights init needs of the role it runs as, each missing one named with the command that
// grants it; false with `message` set when one is missing.
bool mayInit(PgSession& session, std::string& message) {
    const PgResult rights = session.run(
        "SELECT current_user, current_database(), "
        "(SELECT rolcreaterole OR rolsuper FROM pg_roles WHERE rolname = current_user), "
        "has_database_privilege(current_database(), 'CREATE'), "
        "to_regnamespace('abacus') IS NULL OR pg_has_role((SELECT nspowner FROM pg_namespace "
        "WHERE nspname = 'abacus'), 'USAGE')");
    if (!rights) {
        message = session.detail();
        return false;
    }
    const std::string role = PQgetvalue(rights.get(), 0, 0);
    const std::string database = PQgetvalue(rights.get(), 0, 1);
    const auto granted = [&](int column) {
        return std::string(PQgetvalue(rights.get(), 0, column)) == "t";
    };
    if (!granted(2)) {
        message = "the role " + role +
                  " may not create roles (CREATEROLE), which init needs for the classes' own "
                  "roles; grant it with:\n  sudo -u postgres psql -c 'ALTER ROLE \"" +
                  role + "\" CREATEROLE'";
        return false;
    }
    if (!granted(3)) {
        message = "the role " + role + " may not create a schema in the database " + database +
                  " (CREATE); make it the database's owner with:\n  sudo -u postgres psql -c "
                  "'ALTER DATABASE \"" +
                  database + "\" OWNER TO \"" + role + "\"'";
        return false;
    }
    if (!granted(4)) {
        message = "the class server in the database " + database +
                  " belongs to another role; run init as that role";
        return false;
    }
    return true;
}

// Whether the schema is this tool's version, else why not in `message`.
bool isCurrent(PgSession& session, std::string& message) {
    const PgResult stored = session.run("SELECT version FROM abacus.schema_version");
    if (!stored || PQntuples(stored.get()) != 1) {
        message = stored ? "the class server is not set up; run abacus-class init first"
                         : session.detail();
        return false;
    }
    const std::string version = PQgetvalue(stored.get(), 0, 0);
    if (version != std::to_string(kClassServerVersion)) {
        message = "the class server is of version " + version + "; run abacus-class init first";
        return false;
    }
    return true;
}

}  // namespace

bool initClassServer(PgSession& session, std::string& message) {
    if (!mayInit(session, message)) return false;
    const PgResult contents = session.run(kClassServerContents);
    if (!contents) {
        message = session.detail();
        return false;
    }
    const long long others = std::stoll(PQgetvalue(contents.get(), 0, 0));
    const bool schemaThere = std::string(PQgetvalue(contents.get(), 0, 1)) == "t";
    const bool versionThere = std::string(PQgetvalue(contents.get(), 0, 2)) == "t";
    if (others > 0 || (schemaThere && !versionThere)) {
        message =
            "the database holds tables or functions of something else; "
            "abacus-class init needs an empty database";
        return false;
    }
    if (!schemaThere) {
        if (!session.runScript("BEGIN;\n" + classServerSteps(0) + "\nCOMMIT;")) {
            return refuse(session, message, session.detail());
        }
        message = "the class server is set up";
        return true;
    }
    return upgradeClassServer(session, message);
}

std::string addClass(PgSession& session, const std::string& name, const PublicAddress& address,
                     std::string& message) {
    if (name.empty()) return abandon(session, message, "a class needs a name");
    if (!isCurrent(session, message)) return {};
    const std::string role = "class_" + randomText(kRoleSuffixLength, "0123456789abcdef");
    const std::string password = randomPassword();
    if (!session.run("BEGIN")) return abandon(session, message, session.detail());
    if (const PgResult taken = session.run("SELECT 1 FROM abacus.classes WHERE name = $1", {name});
        !taken || PQntuples(taken.get()) != 0) {
        return abandon(session, message,
                       taken ? "a class named " + name + " is already there" : session.detail());
    }
    if (!session.run("INSERT INTO abacus.classes (name, role_name) VALUES ($1, $2)",
                     {name, role}) ||
        !createLogin(session, role, password, "abacus_joiners") || !session.run("COMMIT")) {
        return abandon(session, message, session.detail());
    }
    return connectionLine(session, address, role, password);
}

std::string addTeacher(PgSession& session, const std::vector<std::string>& classNames,
                       const PublicAddress& address, std::string& message) {
    if (!isCurrent(session, message)) return {};
    const std::string role = "teacher_" + randomText(kRoleSuffixLength, "0123456789abcdef");
    const std::string password = randomPassword();
    if (!session.run("BEGIN") || !createLogin(session, role, password, "abacus_teachers")) {
        return abandon(session, message, session.detail());
    }
    for (const std::string& name : classNames) {
        const PgResult given = session.run(
            "INSERT INTO abacus.teacher_classes (teacher_role, class_id) "
            "SELECT $1, id FROM abacus.classes WHERE name = $2",
            {role, name});
        if (!given) return abandon(session, message, session.detail());
        if (std::string(PQcmdTuples(given.get())) != "1") {
            return abandon(session, message, "no class named " + name);
        }
    }
    if (!session.run("COMMIT")) return abandon(session, message, session.detail());
    return connectionLine(session, address, role, password);
}
