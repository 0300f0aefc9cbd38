#pragma once
// The history file's side of the class server, on a connection of its own: the class joined,
// and the outbox of records waiting to be sent, each read as the JSON object the server takes.

#include <sqlite3.h>

#include <optional>
#include <string>
#include <vector>

// The class this history has joined, and the line that reaches its server.
struct ClassLink {
    std::string connection;
    std::string className;
    bool joined = false;  // false once left: the outbox still empties, nothing new is added
};

// One record waiting in the outbox.
struct OutboxRecord {
    long long id = 0;
    std::string kind;
    std::string payload;  // a JSON object
};

class ClassOutbox {
  public:
    // Opens the history file at `path`, which the trainer has already brought to its schema.
    explicit ClassOutbox(const std::string& path);
    ~ClassOutbox();
    ClassOutbox(const ClassOutbox&) = delete;
    ClassOutbox& operator=(const ClassOutbox&) = delete;

    bool usable() const { return database_ != nullptr; }
    std::optional<ClassLink> link();
    // Keeps the class and puts every record stored so far in the outbox, in one transaction.
    bool join(const std::string& connection, const std::string& className);
    // Replaces the kept line `from` with `to` (a trainer's own role for the class's line); true
    // when done, or when another line is kept by now.
    bool replaceConnection(const std::string& from, const std::string& to);
    // Stops adding records; what waits is still sent.
    bool leave();
    // Drops the class and everything still waiting.
    bool dropClass();
    // The oldest `count` records waiting, oldest first.
    std::vector<OutboxRecord> oldest(int count);
    // Takes sent records out of the outbox; forgets a left class once nothing waits.
    bool remove(const std::vector<long long>& ids);
    // The number of records waiting; -1 when the file cannot be read.
    long long waiting();

  private:
    bool execute(const char* sql);

    sqlite3* database_ = nullptr;
};
