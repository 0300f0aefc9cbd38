#pragma once
// The replay's commands of the class server: join a class, send the outbox, count it, and a
// teacher's login with the class's table and one learner read from the server.

#include <string>
#include <vector>

#include "history/class_server/teacher_records.h"

// Joins the history file at `historyPath` to the class `line` reaches, as "加入班级…" does;
// the message the trainer shows, joined or not.
std::string replayJoin(const std::string& historyPath, const std::string& line);

// Sends the outbox of the history file at `historyPath` until it is empty or the server
// refuses.
void replaySync(const std::string& historyPath);

// "outbox N": the records of the history file at `historyPath` waiting to be sent (0 without
// a history file).
std::vector<std::string> describeOutbox(const std::string& historyPath);

// "class N", then a line per learner of the table, its cells joined by tabs.
std::vector<std::string> describeClassTable(const ClassTable& table);

// The learner's runs in the order practised, book, level tests and drills, as print history,
// print book, print levels and print drills show a learner's own.
std::vector<std::string> describeLearnerRecords(const LearnerRecords& records);
