#pragma once
// The Qt application a window benchmark runs in, set up as the trainer sets up its own.

#include <QApplication>
#include <cstdlib>

#include "desktop/widgets/qt_font.h"
#include "private_runtime_folder.h"

// What the environment needs before the toolkit starts: the offscreen platform when there is
// no display, and a private runtime folder.
struct BenchEnvironment {
    BenchEnvironment() {
        if (std::getenv("DISPLAY") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ensurePrivateRuntimeFolder();
    }
};

// The application with the trainer's font substitutions installed.
class BenchApplication : private BenchEnvironment {
  public:
    BenchApplication(int& argc, char** argv) : application_(argc, argv) {
        installFontSubstitutions();
    }

  private:
    QApplication application_;
};
