#pragma once
// Records another trainer's lock kept out of the history when a trainer closed: kept beside it
// in a small history file of their own, "history.sqlite3.queued", written and synced before
// the window closes, and stored in the history at the next start. Each keeps the id it was
// given when made, so a start cut short and begun again stores each record once.

#include <string>

#include "history/history_writer.h"
#include "history/sqlite/history_file.h"
#include "model/history_store.h"

// The journal of the history at `historyPath`, opened only when something must go into it.
ExitJournal queuedRecordsJournal(const std::string& historyPath);

// Stores the records of the journal beside `historyPath` in `history`, in the order they were
// made, skipping those already stored, and removes the journal once all are stored; what to
// tell the person, empty when there was no journal.
std::string storeQueuedRecords(const std::string& historyPath, HistoryStore& history);

// Opens the history at `path` as openHistoryFile does and stores the journal beside it.
HistoryOpening openHistoryWithQueuedRecords(const std::string& path);
