#include "history_opening.h"

#include <QDir>
#include <cstdlib>

#include "history/sqlite/history_file.h"
#include "history/sqlite/history_folder.h"

HistoryWriter* openHistoryInDataFolder(HistoryStoreSlot& slot, Dialogs& dialogs,
                                       std::function<void()> failed) {
    HistoryOpening opening = openHistoryFile(historyPathInDataFolder());
    if (!opening.message.empty()) dialogs.inform(opening.message);
    if (!opening.store) return nullptr;
    auto writer = std::make_unique<HistoryWriter>(
        std::move(opening.store), std::chrono::milliseconds(kHistoryBusyMilliseconds),
        std::move(failed));
    HistoryWriter* opened = writer.get();
    slot.open(std::move(writer));
    return opened;
}

std::string historyPathInDataFolder() {
    return historyFileIn(
        historyDataFolder(std::getenv("XDG_DATA_HOME"), QDir::homePath().toStdString()));
}
