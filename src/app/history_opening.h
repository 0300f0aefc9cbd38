#pragma once
// Opens the learner history in the user's data folder; the program does it once its window
// has been painted, on the history writer's own thread, so the window is on screen and goes
// on drawing while the file is checked.

#include <functional>
#include <string>

#include "history/history_writer.h"
#include "model/history_store.h"

// Puts into `slot` a writer that opens history.sqlite3 in the user's data folder on its own
// thread and calls `opened` there with what to tell the person (empty when all is well) once
// it is open or cannot be used; `failed` is called there when a write could not be stored.
// Writes handed over meanwhile wait in its queue. The writer.
HistoryWriter* openHistoryInDataFolder(HistoryStoreSlot& slot,
                                       std::function<void(const std::string&)> opened,
                                       std::function<void()> failed);

// The path of history.sqlite3 in the user's data folder.
std::string historyPathInDataFolder();

// The path of the file that keeps a teacher's line in the user's data folder.
std::string teacherLinePathInDataFolder();
