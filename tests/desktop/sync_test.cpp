// After every event the view copies the model onto the widgets: captions, visibility,
// enabled state, sizes and timers; and what a person does reaches the handlers.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "desktop/widgets/label_view.h"
#include "qt_trainer.h"

namespace {

// The QTimer behind timer element `name`.
QTimer& timerOf(const QtTrainer& trainer, const char* name) {
    QObject* element = trainer.view->mainWindow().findChild<QObject*>(QString::fromUtf8(name));
    if (element == nullptr) throw std::runtime_error(std::string("no timer ") + name);
    return *element->findChild<QTimer*>();
}

}  // namespace

TEST(ViewSync, ModelChangesReachTheWidgets) {
    QtTrainer trainer;
    MainForm& form = trainer.window.form;
    form.Command4.setCaption("中  止");
    form.Label19.visible = false;
    form.Command2.enabled = true;
    form.Label11.setCaption("36");
    trainer.view->sync();

    EXPECT_EQ(trainer.widget<QPushButton>("Command4").text(), QStringLiteral("中  止"));
    EXPECT_FALSE(trainer.widget("Label19").isVisible());
    EXPECT_TRUE(trainer.widget("Command2").isEnabled());
    const auto& label = trainer.widget<LabelView>("Label11");
    EXPECT_EQ(label.text(), QStringLiteral("36"));
    EXPECT_EQ(label.width() * 15, form.Label11.width);
    EXPECT_EQ(label.height() * 15, form.Label11.height);
}

TEST(ViewSync, AButtonClickRunsItsHandlerAndTheCaptionFollows) {
    QtTrainer trainer;
    auto& soundButton = trainer.widget<QPushButton>("Command5");
    QTest::mouseClick(&soundButton, Qt::LeftButton);
    EXPECT_EQ(soundButton.text(), QStringLiteral("开音效"));
    EXPECT_EQ(trainer.window.state.soundMode, "");
    QTest::mouseClick(&soundButton, Qt::LeftButton);
    EXPECT_EQ(soundButton.text(), QStringLiteral("关音效"));
}

TEST(ViewSync, TypingIntoTheNameBoxKeepsTheCursorWhereThePersonTypes) {
    QtTrainer trainer;
    auto& nameBox = trainer.widget<QLineEdit>("Text1");
    nameBox.setFocus();
    nameBox.setCursorPosition(1);
    QTest::keyClicks(&nameBox, "ab");
    EXPECT_EQ(trainer.window.form.Text1.caption(), "豆ab 豆");
    EXPECT_EQ(nameBox.text(), QStringLiteral("豆ab 豆"));
}

TEST(ViewSync, TimersRunAsTheModelSays) {
    QtTrainer trainer;
    EXPECT_TRUE(timerOf(trainer, "Timer3").isActive());
    EXPECT_EQ(timerOf(trainer, "Timer3").interval(), 500);
    EXPECT_FALSE(timerOf(trainer, "Timer1").isActive());
    EXPECT_FALSE(timerOf(trainer, "Timer2").isActive());  // enabled, but interval 0

    trainer.window.form.Timer1.enabled = true;
    trainer.window.form.Timer2.interval = 1000;
    trainer.window.form.Timer3.enabled = false;
    trainer.view->sync();
    EXPECT_TRUE(timerOf(trainer, "Timer1").isActive());
    EXPECT_EQ(timerOf(trainer, "Timer1").interval(), 100);
    EXPECT_TRUE(timerOf(trainer, "Timer2").isActive());
    EXPECT_FALSE(timerOf(trainer, "Timer3").isActive());
}

TEST(ViewSync, ClockTimerTicksWriteTheTimeIntoTheClockLabel) {
    QtTrainer trainer;
    trainer.clock.set({2026, 3, 8, 9, 5, 7});
    const auto& clockLabel = trainer.widget<LabelView>("Label10");
    EXPECT_TRUE(QTest::qWaitFor([&] { return clockLabel.text() == "2026-3-8 9:05:07"; }, 5000));
}
