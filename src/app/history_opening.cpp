#include "history_opening.h"

#include <QDir>
#include <cstdlib>
#include <memory>

#include "history/class_server/kept_teacher_line.h"
#include "history/sqlite/history_file.h"
#include "history/sqlite/history_folder.h"
#include "history/sqlite/queued_records.h"

HistoryWriter* openHistoryInDataFolder(HistoryStoreSlot& slot,
                                       std::function<void(const std::string&)> opened,
                                       std::function<void()> failed) {
    const std::string path = historyPathInDataFolder();
    auto message = std::make_shared<std::string>();
    auto writer = std::make_unique<HistoryWriter>(
        [path, message] {
            HistoryOpening opening = openHistoryWithQueuedRecords(path);
            *message = std::move(opening.message);
            const bool usable = opening.store != nullptr;
            return OpenedHistory{std::move(opening.store),
                                 usable ? ReaderOpening([path] { return openHistoryReader(path); })
                                        : ReaderOpening()};
        },
        [message, opened = std::move(opened)] { opened(*message); }, std::move(failed),
        queuedRecordsJournal(path));
    HistoryWriter* opening = writer.get();
    slot.open(std::move(writer));
    return opening;
}

std::string historyPathInDataFolder() {
    return historyFileIn(
        historyDataFolder(std::getenv("XDG_DATA_HOME"), QDir::homePath().toStdString()));
}

std::string teacherLinePathInDataFolder() {
    return teacherLineFileIn(
        historyDataFolder(std::getenv("XDG_DATA_HOME"), QDir::homePath().toStdString()));
}
