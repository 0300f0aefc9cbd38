#pragma once
// The replay's commands of the class server: join a class, send the outbox, count it.

#include <string>
#include <vector>

// Joins the history file at `historyPath` to the class `line` reaches, as "加入班级…" does;
// the message the trainer shows, joined or not.
std::string replayJoin(const std::string& historyPath, const std::string& line);

// Sends the outbox of the history file at `historyPath` until it is empty or the server
// refuses.
void replaySync(const std::string& historyPath);

// "outbox N": the records of the history file at `historyPath` waiting to be sent (0 without
// a history file).
std::vector<std::string> describeOutbox(const std::string& historyPath);
