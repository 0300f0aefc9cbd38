#include "desktop_trainer.h"

#include <QCoreApplication>

#include "ui/dispatch.h"
#include "ui/qt/qt_translations.h"

namespace {

// Runs the load event before the view is built, so the view starts from the defaults.
WindowContext& loaded(WindowContext& window) {
    dispatch(window, Event{EventKind::Load, {}, -1, {}});
    return window;
}

}  // namespace

DesktopTrainer::DesktopTrainer()
    : window_(Services{random_, clock_, paintFirstSound_, dialogs_, helpViewer_, metrics_,
                       resources_, screen_, QCoreApplication::applicationDirPath().toStdString()}),
      view_(loaded(window_)) {
    paintFirstSound_.paintBeforeClips(view_);
    screen_.follow(view_.mainWindow());
}

void DesktopTrainer::startAfterFirstPaint() {
    sound_.startLoading();
    installToolkitTranslations(*QCoreApplication::instance());
}
