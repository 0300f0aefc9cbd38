#include "history_opening.h"

#include <QDir>
#include <cstdlib>

#include "history/sqlite/history_file.h"
#include "history/sqlite/history_folder.h"
#include "history/sqlite/queued_records.h"

HistoryWriter* openHistoryInDataFolder(HistoryStoreSlot& slot, Dialogs& dialogs,
                                       std::function<void()> failed) {
    const std::string folder =
        historyDataFolder(std::getenv("XDG_DATA_HOME"), QDir::homePath().toStdString());
    const std::string path = historyFileIn(folder);
    HistoryOpening opening = openHistoryFile(path);
    if (!opening.message.empty()) dialogs.inform(opening.message);
    if (!opening.store) return nullptr;
    auto writer = std::make_unique<HistoryWriter>(
        std::move(opening.store), std::chrono::milliseconds(kHistoryBusyMilliseconds),
        std::move(failed), queuedRecordsJournal(path));
    HistoryWriter* opened = writer.get();
    slot.open(std::move(writer));
    return opened;
}
