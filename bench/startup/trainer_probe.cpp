// Starts the trainer exactly as the program does and quits after its first painted frame.

#include <QApplication>

#include "desktop_trainer.h"
#include "font_configuration_warm_up.h"
#include "first_paint_probe.h"
#include "private_runtime_folder.h"
#include "ui/qt/qt_font.h"
#include "ui/qt/trainer_modules.h"

int main(int argc, char** argv) {
    ensurePrivateRuntimeFolder();
    FontConfigurationWarmUp fontConfiguration;
    QApplication application(argc, argv);
    installFontSubstitutions();
    addTrainerModuleFolder(QStringLiteral(ABACUS_MODULE_BUILD_FOLDER));
    fontConfiguration.wait();
    DesktopTrainer trainer;
    FirstPaintProbe probe(trainer.view().mainWindow());
    trainer.show();
    return QApplication::exec();
}
