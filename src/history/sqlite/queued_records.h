#pragma once
// Records another trainer's lock kept out of the history when a trainer closed: kept beside it
// in a small history file of their own, "history.sqlite3.queued", written and synced before
// the window closes, and stored in the history at the next start.

#include <string>

#include "history/history_writer.h"
#include "model/history_store.h"

// The journal of the history at `historyPath`, opened only when something must go into it.
ExitJournal queuedRecordsJournal(const std::string& historyPath);

// Stores the records of the journal beside `historyPath` in `history`, in the order they were
// made, and removes the journal once all are stored; what to tell the person, empty when
// there was no journal.
std::string storeQueuedRecords(const std::string& historyPath, HistoryStore& history);
