// The view shows the model through the chosen zoom and colour scheme: the whole window and
// its fonts grow together, rods are painted afresh at the zoomed ratio, and the clear scheme
// colours the widgets while the model keeps the design's colours.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QLineEdit>

#include "appearance/colour_scheme.h"
#include "qt_trainer.h"

namespace {

// Sends a keypad press through the view, as a click on the key does.
void pressKey(QtTrainer& trainer, int key) {
    trainer.window.form.Command1[static_cast<std::size_t>(key)].enabled = true;
    trainer.view->send(Event{EventKind::Click, "Command1(" + std::to_string(key) + ")", -1, {}});
}

}  // namespace

TEST(AppearanceView, TheWholeWindowScalesWithTheZoomAndBackAgain) {
    QtTrainer trainer;
    trainer.window.form.Picture5.picture = "A15";
    trainer.view->sync();
    QWidget& main = trainer.view->mainWindow();
    QWidget& rod = trainer.widget("Picture5");
    // Row 30 of the rod lies under the beam (rows 19 and 20) until the rod grows by half.
    EXPECT_EQ(rod.grab().toImage().pixelColor(2, 30), QColor(Qt::white));
    const int fontPixels = trainer.widget("Combo1").font().pixelSize();
    pressKey(trainer, 5);
    pressKey(trainer, 5);
    ASSERT_EQ(trainer.window.state.zoomPercent, 150);
    EXPECT_EQ(designAreaSize(main), QSize(869, 731));
    EXPECT_EQ(trainer.widget("Command4").size(), QSize(146, 38));
    EXPECT_NEAR(trainer.widget("Combo1").font().pixelSize(), fontPixels * 1.5, 1);
    EXPECT_EQ(rod.grab().toImage().pixelColor(2, 30), QColor(Qt::black));
    pressKey(trainer, 5);
    pressKey(trainer, 5);
    EXPECT_EQ(designAreaSize(main), QSize(579, 487));
    EXPECT_EQ(trainer.widget("Command4").size(), QSize(97, 25));
}

TEST(AppearanceView, TheClearSchemeColoursTheWidgetsAndLeavesTheModelAlone) {
    QtTrainer trainer;
    const auto nameColour = [&] {
        return trainer.widget<QLineEdit>("Text1").palette().color(QPalette::Text);
    };
    EXPECT_EQ(nameColour(), QColor(255, 0, 255));
    pressKey(trainer, 4);
    const Rgb text = clearText({255, 0, 255}, clearBackground({192, 192, 192}));
    EXPECT_EQ(nameColour(), QColor(text.red, text.green, text.blue));
    EXPECT_EQ(*trainer.window.form.Text1.foreColor, (Rgb{255, 0, 255}));
    pressKey(trainer, 4);
    EXPECT_EQ(nameColour(), QColor(255, 0, 255));
}
