#pragma once
// Opens the learner history in the user's data folder; the program does it once its window
// has been painted, so the window is on screen before any file is touched.

#include "model/history_store.h"
#include "model/services.h"

// Opens history.sqlite3 in the user's data folder into `slot`; when records cannot be kept,
// or a damaged file was set aside, says so once through `dialogs`.
void openHistoryInDataFolder(HistoryStoreSlot& slot, Dialogs& dialogs);
