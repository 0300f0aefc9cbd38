#include "history_opening.h"

#include <QStandardPaths>

#include "history/sqlite/history_file.h"

void openHistoryInDataFolder(HistoryStoreSlot& slot, Dialogs& dialogs) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    HistoryOpening opening = openHistoryFile(historyFileIn(folder.toStdString()));
    if (opening.store) slot.open(std::move(opening.store));
    if (!opening.message.empty()) dialogs.inform(opening.message);
}
