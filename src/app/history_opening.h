#pragma once
// Opens the learner history once the main window has been painted for the first time, so
// the window is on screen before any file is touched.

#include <QWidget>

#include "history/history_store.h"
#include "ui/services.h"

// After the first paint of `window`, opens history.sqlite3 in the user's data folder into
// `slot`; when records cannot be kept, or a damaged file was set aside, says so once
// through `dialogs`.
void openHistoryAfterFirstPaint(QWidget& window, HistoryStoreSlot& slot, Dialogs& dialogs);
