#include "history_opening.h"

#include <QEvent>
#include <QStandardPaths>
#include <QTimer>

#include "history/sqlite/history_file.h"

namespace {

// Waits for the first paint of the window it watches, then opens the history once.
class FirstPaintWatcher : public QObject {
  public:
    FirstPaintWatcher(QWidget& window, HistoryStoreSlot& slot, Dialogs& dialogs)
        : QObject(&window), slot_(slot), dialogs_(dialogs) {}

  protected:
    // The paint is let through; the opening runs once the event loop is back.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { openHistory(); });
        }
        return false;
    }

  private:
    // Opens the file into the slot and tells the person when records cannot be kept.
    void openHistory() {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        HistoryOpening opening = openHistoryFile(historyFileIn(folder.toStdString()));
        if (opening.store) slot_.open(std::move(opening.store));
        if (!opening.message.empty()) dialogs_.inform(opening.message);
        deleteLater();
    }

    HistoryStoreSlot& slot_;
    Dialogs& dialogs_;
};

}  // namespace

void openHistoryAfterFirstPaint(QWidget& window, HistoryStoreSlot& slot, Dialogs& dialogs) {
    window.installEventFilter(new FirstPaintWatcher(window, slot, dialogs));
}
