// The trainer program: wires the real desktop services to the window model and shows the
// main window, which the desktop matches to the installed entry by its id.

#include <QApplication>

#include "desktop/widgets/qt_font.h"
#include "desktop_trainer.h"
#include "font_configuration_warm_up.h"
#include "private_runtime_folder.h"
#include "termination_signals.h"

int main(int argc, char** argv) {
    ensurePrivateRuntimeFolder();
    FontConfigurationWarmUp fontConfiguration;
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(ABACUS_APP_ID));
    installFontSubstitutions();
    fontConfiguration.wait();
    DesktopTrainer trainer;
    // Logging out ends the trainer as closing it does: its history's queued records are
    // journaled when the trainer goes.
    const TerminationSignals terminationSignals([] { QApplication::exit(0); });
    trainer.show();
    return QApplication::exec();
}
