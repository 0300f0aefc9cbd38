#pragma once
// Joining a class: the line a teacher's `abacus-class add-class` printed is checked against the
// server before anything is kept, and each trouble has its own message for the family.

#include <string>

#include "history/class_server/pg_session.h"

struct JoinAnswer {
    bool joined = false;
    std::string className;
    std::string message;  // what to tell the family, joined or not
};

// Joins the history file at `historyPath` to the class that `line` reaches; nothing is kept
// unless the server answers with the class's name.
JoinAnswer joinClass(const std::string& historyPath, const std::string& line);

// What a family is told of `trouble` with the server at `host`.
std::string troubleText(ServerTrouble trouble, const std::string& host);
