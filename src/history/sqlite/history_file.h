#pragma once
// Opening the history file: created with mode 0600, checked, set to write-ahead logging and
// brought to the current schema. A file that cannot be used is never deleted or overwritten;
// a damaged one is kept under a new name beside a fresh one.

#include <memory>
#include <string>

#include "model/history_store.h"

struct HistoryOpening {
    std::unique_ptr<HistoryStore> store;  // nullptr when no record can be kept this time
    std::string message;                  // what to tell the person; empty when all is well
};

// How long a trainer waits for another one holding the file before giving up, in ms.
inline constexpr int kHistoryBusyMilliseconds = 2000;

// The newest schema this program writes.
inline constexpr int kHistorySchemaVersion = 9;

// Opens (creating it if need be) the history at `path`.
HistoryOpening openHistoryFile(const std::string& path);

// Another connection to the history at `path`, once it has been opened, that only reads: in
// write-ahead logging it never waits for a trainer writing the file. nullptr when it cannot.
std::unique_ptr<HistoryStore> openHistoryReader(const std::string& path);

// The history file in the user's data folder `dataFolder`.
std::string historyFileIn(const std::string& dataFolder);
