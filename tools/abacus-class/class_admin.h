#pragma once
// Setting up a class server: its schema, its classes with their own login roles, and teachers.

#include <string>
#include <vector>

#include "history/class_server/pg_session.h"

// Where families reach the server, when it differs from the address the tool used, and the
// certificate authority their trainers check the server's certificate against (a `ca=` value;
// none when empty).
struct PublicAddress {
    std::string host;
    std::string port;
    std::string authority;
};

// Creates the schema in an empty database, brings an earlier version of it up to this one in
// one transaction, or finds it already there; false with `message` set when the database holds
// something else or a later version, or the server refused.
bool initClassServer(PgSession& session, std::string& message);

// Creates the class `name` with a login role of its own; the connection line a family types to
// join it, or empty with `message` set.
std::string addClass(PgSession& session, const std::string& name, const PublicAddress& address,
                     std::string& message);

// Creates a teacher's login role that reads the classes `classNames`; its connection line, or
// empty with `message` set.
std::string addTeacher(PgSession& session, const std::vector<std::string>& classNames,
                       const PublicAddress& address, std::string& message);
