// Runs the widget tests inside a QApplication; without a display they use the offscreen
// platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ui/qt/qt_font.h"

int main(int argc, char** argv) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    installFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
