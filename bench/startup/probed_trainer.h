#pragma once
// The trainer started exactly as the program starts it, with the modules of the build folder,
// for the start-up probes.

#include <QApplication>
#include <memory>

#include "bench_application.h"
#include "desktop/services/trainer_modules.h"
#include "desktop_trainer.h"
#include "font_configuration_warm_up.h"

class ProbedTrainer : private BenchEnvironment {
  public:
    ProbedTrainer(int& argc, char** argv) : application_(argc, argv) {
        installFontSubstitutions();
        addTrainerModuleFolder(QStringLiteral(ABACUS_MODULE_BUILD_FOLDER));
        fontConfiguration_.wait();
        trainer_ = std::make_unique<DesktopTrainer>();
    }

    DesktopTrainer& trainer() { return *trainer_; }

  private:
    FontConfigurationWarmUp fontConfiguration_;  // started before the toolkit, as the program does
    QApplication application_;
    std::unique_ptr<DesktopTrainer> trainer_;
};
