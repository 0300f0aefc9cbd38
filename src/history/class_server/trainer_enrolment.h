#pragma once
// Each trainer in a class logs in as a role of its own. The line a teacher hands out is the
// class's, good only for joining: through it the server makes the trainer its own role (the
// password made here and sent only hashed), and the trainer keeps that role's line instead, so
// whatever one family does to its role touches no other family.

#include <optional>
#include <string>

#include "history/class_server/pg_session.h"

// What the role a line logs in as is to a class.
enum class LineRole {
    NoClass,      // neither a class's nor a trainer's
    ClassLine,    // the class's line: it joins by enrolling
    OwnLine,      // a trainer's own role
    OlderServer,  // the class's line on a server that has no roles of their own yet
};

// The class the session's role belongs to, and what its role is to it; nullopt when the server
// could not be asked.
struct LineClass {
    std::string className;
    LineRole role = LineRole::NoClass;
};
std::optional<LineClass> classOfSession(PgSession& session);

// Makes a role of its own for a trainer of the class whose line `classLine` the session logged
// in with; the line that logs in as it, or nullopt when the server refused.
std::optional<std::string> enrolTrainer(PgSession& session, const std::string& classLine);
