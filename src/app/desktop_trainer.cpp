#include "desktop_trainer.h"

#include <QCoreApplication>
#include <QTimer>

#include "desktop/services/qt_translations.h"
#include "desktop/widgets/qt_font.h"
#include "history/run_journal.h"
#include "history_opening.h"
#include "ui/dispatch.h"

namespace {

// How long after the history opens the class server's sender is loaded: libpq and its TLS
// libraries stay out of the first seconds, which only need the window, its sounds and the file.
constexpr int kClassSenderDelayMs = 3000;

// Runs the load event before the view is built, so the view starts from the defaults.
WindowContext& loaded(WindowContext& window) {
    dispatch(window, Event{EventKind::Load, {}, -1, {}});
    return window;
}

}  // namespace

DesktopTrainer::DesktopTrainer()
    : window_(Services{random_, clock_, paintFirstSound_, dialogs_, helpViewer_, metrics_,
                       resources_, screen_, QCoreApplication::applicationDirPath().toStdString(),
                       history_, menuWindows_, speech_}),
      view_(loaded(window_)) {
    paintFirstSound_.paintBeforeClips(view_);
    screen_.follow(view_.mainWindow());
    menuWindows_.attach(view_, qtFont(window_.form.List1.font));
    menuWindows_.setTeacherLinePath(teacherLinePathInDataFolder());
}

DesktopTrainer::~DesktopTrainer() {
    menuWindows_.waitForReads();
    historyWriter_ = nullptr;
    history_.open(nullptr);
}

void DesktopTrainer::startAfterFirstPaint() {
    sound_.startLoading();
    view_.showWindowIcon();
    installToolkitTranslations(*QCoreApplication::instance());
    historyWriter_ = openHistoryInDataFolder(
        history_,
        [this](const std::string& message) {
            QMetaObject::invokeMethod(
                &view_.mainWindow(), [this, message] { historyOpened(message); },
                Qt::QueuedConnection);
        },
        [this] {
            QMetaObject::invokeMethod(
                &view_.mainWindow(), [this] { tellLateWrites(); }, Qt::QueuedConnection);
        });
}

void DesktopTrainer::historyOpened(const std::string& message) {
    if (!message.empty()) dialogs_.inform(message);
    view_.send(Event{EventKind::HistoryOpened, {}, -1, {}});
    if (historyWriter_ == nullptr) return;
    menuWindows_.setHistoryPath(historyPathInDataFolder());
    QTimer::singleShot(kClassSenderDelayMs, &view_.mainWindow(),
                       [this] { classSender_.start(historyPathInDataFolder()); });
}

void DesktopTrainer::tellLateWrites() {
    if (historyWriter_ == nullptr) return;
    for (const LateOutcome& late : historyWriter_->takeFailures()) {
        reportLateOutcome(window_, late);
    }
}
