// Runs the widget tests inside a QApplication on the offscreen platform, so each test process
// has a screen of its own: a shared virtual X screen resets whenever its last client leaves,
// which breaks the connection of a test starting beside it. QT_QPA_PLATFORM=xcb runs them on
// the display instead.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "desktop/widgets/qt_font.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    installFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
