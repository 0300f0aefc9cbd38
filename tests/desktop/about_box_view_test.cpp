// The about box on screen: "说明" opens one box, a click into it closes it, "完全版说明"
// asks for the help file, and the window's own close button unloads it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "qt_trainer.h"

namespace {

// Top-level windows showing the about box, once deleted windows are gone.
int aboutBoxesOnScreen() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "help" && window->isVisible()) ++count;
    }
    return count;
}

// Clicks the "说明" label of the main window.
void clickExplanation(QtTrainer& trainer) {
    QTest::mouseClick(&trainer.widget("Label31"), Qt::LeftButton);
}

// The about box's widget for element `name` ("help.Label2").
QWidget& aboutWidget(const QtTrainer& trainer, const char* name) {
    return *trainer.view->aboutBox()->findChild<QWidget*>(QString::fromUtf8(name));
}

}  // namespace

TEST(AboutBoxView, TheExplanationLabelOpensTheAboutBox) {
    QtTrainer trainer;
    clickExplanation(trainer);
    QWidget* about = trainer.view->aboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->isWindow());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("欢迎使用"));
    EXPECT_EQ(about->size(), QSize(387, 230));
    EXPECT_EQ(about->palette().color(QPalette::Window), QColor(192, 192, 255));
    EXPECT_TRUE(trainer.view->mainWindow().isVisible());
}

TEST(AboutBoxView, ClickingTheExplanationTwiceShowsOneAboutBox) {
    QtTrainer trainer;
    clickExplanation(trainer);
    QWidget* first = trainer.view->aboutBox();
    clickExplanation(trainer);
    EXPECT_EQ(trainer.view->aboutBox(), first);
    EXPECT_EQ(aboutBoxesOnScreen(), 1);
}

TEST(AboutBoxView, AClickIntoTheBoxClosesItWithoutTheHelpFile) {
    QtTrainer trainer;
    clickExplanation(trainer);
    QTest::mouseClick(&aboutWidget(trainer, "help.lblTitle"), Qt::LeftButton);
    EXPECT_EQ(trainer.view->aboutBox(), nullptr);
    EXPECT_EQ(aboutBoxesOnScreen(), 0);
    EXPECT_TRUE(trainer.helpViewer.requests.empty());

    clickExplanation(trainer);
    QTest::mouseClick(trainer.view->aboutBox(), Qt::LeftButton, {}, QPoint(300, 220));
    EXPECT_EQ(aboutBoxesOnScreen(), 0);
}

TEST(AboutBoxView, TheFullExplanationLabelAsksForTheHelpPageAndCloses) {
    QtTrainer trainer;
    clickExplanation(trainer);
    QTest::mouseClick(&aboutWidget(trainer, "help.Label2"), Qt::LeftButton);
    ASSERT_EQ(trainer.helpViewer.requests.size(), 1u);
    EXPECT_TRUE(trainer.helpViewer.requests.front().ends_with("abacus-trainer/help.html"));
    EXPECT_EQ(aboutBoxesOnScreen(), 0);
}

TEST(AboutBoxView, ClosingTheBoxWindowUnloadsItAndItOpensAgain) {
    QtTrainer trainer;
    clickExplanation(trainer);
    EXPECT_TRUE(trainer.view->aboutBox()->close());
    EXPECT_FALSE(trainer.window.help.help.visible);
    EXPECT_EQ(aboutBoxesOnScreen(), 0);

    clickExplanation(trainer);
    EXPECT_EQ(aboutBoxesOnScreen(), 1);
}
