// The trainer program: wires the real desktop services to the window model and shows the
// main window.

#include <QApplication>

#include "engine/uniform_random.h"
#include "private_runtime_folder.h"
#include "sound/alsa/alsa_sound_output.h"
#include "sound/embedded_resources.h"
#include "ui/dispatch.h"
#include "ui/qt/desktop_help_viewer.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_font.h"
#include "ui/qt/qt_text_metrics.h"
#include "ui/qt/system_clock.h"
#include "ui/qt/trainer_view.h"

int main(int argc, char** argv) {
    ensurePrivateRuntimeFolder();
    QApplication application(argc, argv);
    installFontSubstitutions();

    UniformRandom random;
    SystemClock clock;
    AlsaSoundOutput sound;
    QtDialogs dialogs;
    DesktopHelpViewer helpViewer;
    QtTextMetrics metrics;
    EmbeddedResources resources;
    WindowContext window(Services{random, clock, sound, dialogs, helpViewer, metrics, resources,
                                  QCoreApplication::applicationDirPath().toStdString()});
    dispatch(window, Event{EventKind::Load, {}, -1, {}});

    TrainerView view(window);
    view.show();
    return QApplication::exec();
}
