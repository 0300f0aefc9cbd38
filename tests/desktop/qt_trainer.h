#pragma once
// The trainer on screen with the real view and text metrics, and recording or scripted
// services for everything else; started as the program starts, and painted before every clip
// as the program is.

#include <QApplication>
#include <QMenuBar>
#include <QWidget>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

#include "desktop/form/trainer_view.h"
#include "desktop/services/paint_first_sound_output.h"
#include "desktop/services/qt_text_metrics.h"
#include "engine/uniform_random.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

// Shows texts readably in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The main window's size without the menu bar above its design area.
inline QSize designAreaSize(const QWidget& main) {
    const QMenuBar* bar = main.findChild<QMenuBar*>();
    return main.size() - QSize(0, bar != nullptr ? bar->height() : 0);
}

struct QtTrainer : RecordingServices {
    // Clips go to `clipOutput` once the view is painted; to the recording output when none is
    // given.
    explicit QtTrainer(SoundOutput* clipOutput = nullptr)
        : paintFirst(clipOutput != nullptr ? *clipOutput : sound),
          window(Services{random, clock, paintFirst, dialogs, helpViewer, metrics, resources,
                          screen, "/nonexistent-folder", history, menuWindows, speech}) {
        dispatch(window, Event{EventKind::Load, {}, -1, {}});
        view = std::make_unique<TrainerView>(window);
        paintFirst.paintBeforeClips(*view);
        view->show();
    }

    ~QtTrainer() {
        view.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The main window's widget that shows element `name` ("Command1(3)", "Combo2").
    template <typename Widget = QWidget>
    Widget& widget(const char* name) const {
        Widget* found = view->mainWindow().findChild<Widget*>(QString::fromUtf8(name));
        if (found == nullptr) throw std::runtime_error(std::string("no widget ") + name);
        return *found;
    }

    UniformRandom random{12345};
    QtTextMetrics metrics;
    PaintFirstSoundOutput paintFirst;
    WindowContext window;
    std::unique_ptr<TrainerView> view;
};
