#pragma once
// Opens the learner history in the user's data folder; the program does it once its window
// has been painted, so the window is on screen before any file is touched.

#include <functional>
#include <string>

#include "history/history_writer.h"
#include "model/history_store.h"
#include "model/services.h"

// Opens history.sqlite3 in the user's data folder into `slot`, written on a thread of its own
// that calls `failed` when a write could not be stored; when records cannot be kept, or a
// damaged file was set aside, says so once through `dialogs`. The writer, or nullptr.
HistoryWriter* openHistoryInDataFolder(HistoryStoreSlot& slot, Dialogs& dialogs,
                                       std::function<void()> failed);

// The path of history.sqlite3 in the user's data folder.
std::string historyPathInDataFolder();
