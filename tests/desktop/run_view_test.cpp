// A run on screen: the keyboard works the keypad during a run and nothing between runs; the
// window is painted before each clip holds the thread; the run's timers follow the model.

#include <gtest/gtest.h>

#include <QBackingStore>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <string>
#include <vector>

#include "desktop/widgets/label_view.h"
#include "qt_trainer.h"

namespace {

// What had been painted for the main window's screen when a clip started, and what the
// window's current state looks like when drawn afresh at that moment.
struct ClipStart {
    std::int16_t clip = 0;
    QImage painted;
    QImage drawnAfresh;
};

// A sound output that keeps what had been painted at the start of every clip.
class PaintedAtClipStart : public SoundOutput {
  public:
    void play(std::int16_t clipId, std::span<const std::uint8_t>) override {
        QWidget& main = *window;
        starts.push_back({clipId, paintedOf(main), main.grab().toImage()});
    }

    // The picture of the main window that its widgets have painted to be put on screen. It is
    // read from the window's own backing store, so other windows on the screen cannot hide it.
    static QImage paintedOf(QWidget& main) {
        QPaintDevice* device = main.backingStore()->paintDevice();
        if (device->devType() != QInternal::Image) throw std::runtime_error("no painted image");
        return static_cast<QImage*>(device)->copy(0, 0, main.width(), main.height());
    }

    QWidget* window = nullptr;
    std::vector<ClipStart> starts;
};

// The part of a picture of the main window covered by `widget`.
QImage partOf(const QImage& shot, const QWidget& widget, const QWidget& main) {
    return shot.copy(QRect(widget.mapTo(&main, QPoint(0, 0)), widget.size()))
        .convertToFormat(QImage::Format_RGB32);
}

// The trainer shown and painted, with what it had painted kept at every clip.
struct RecordedTrainer {
    RecordedTrainer() : trainer(&painted) {
        painted.window = &main();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main()));
        QApplication::processEvents();
    }
    QWidget& main() { return trainer.view->mainWindow(); }
    ClipStart& lastStartOf(std::int16_t clip) {
        for (auto start = painted.starts.rbegin(); start != painted.starts.rend(); ++start) {
            if (start->clip == clip) return *start;
        }
        throw std::runtime_error("clip " + std::to_string(clip) + " did not play");
    }
    // True when `widget` was painted at the clip's start as its state then said.
    bool paintedAsItWas(const ClipStart& start, const char* widget) {
        const QWidget& shown = trainer.widget(widget);
        return partOf(start.painted, shown, main()) == partOf(start.drawnAfresh, shown, main());
    }
    // True when `widget` was painted at the clip's start otherwise than in `before`, leaving
    // out where the widget `over` (a mark drawn above it) stands at that start.
    bool changedSince(const ClipStart& start, const char* widget, const QImage& before,
                      const char* over = nullptr) {
        QImage then = start.painted;
        QImage earlier = before;
        if (over != nullptr) {
            const QWidget& mark = trainer.widget(over);
            const QRect covered(mark.mapTo(&main(), QPoint(0, 0)), mark.size());
            QPainter(&then).fillRect(covered, Qt::black);
            QPainter(&earlier).fillRect(covered, Qt::black);
        }
        const QWidget& shown = trainer.widget(widget);
        return partOf(then, shown, main()) != partOf(earlier, shown, main());
    }

    PaintedAtClipStart painted;
    QtTrainer trainer;
};

void press(QWidget& receiver, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&receiver, key, modifiers);
}

QTimer& timerOf(QtTrainer& trainer, const char* name) {
    return *trainer.view->mainWindow().findChild<QObject*>(name)->findChild<QTimer*>();
}

}  // namespace

TEST(RunKeyboard, DigitsEnterSpaceAndBackspaceWorkTheKeypadDuringARun) {
    QtTrainer trainer;
    QWidget& main = trainer.view->mainWindow();
    auto& startButton = trainer.widget<QPushButton>("Command4");
    const auto& typed = trainer.widget<LabelView>("Label17");
    QTest::mouseClick(&startButton, Qt::LeftButton);
    ASSERT_EQ(startButton.text(), QStringLiteral("中  止"));

    press(main, Qt::Key_4);
    press(main, Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(typed.text(), QStringLiteral("42"));
    // Keys reach the window, never the focused "中  止": Backspace takes back the 2, then the
    // 4; Space with nothing typed neither stops the run nor answers, and Tab moves no focus.
    press(startButton, Qt::Key_Backspace);
    EXPECT_EQ(typed.text(), QStringLiteral("4"));
    press(startButton, Qt::Key_Backspace);
    EXPECT_EQ(typed.text(), QStringLiteral(""));
    press(startButton, Qt::Key_Space);
    press(startButton, Qt::Key_Tab);
    EXPECT_EQ(startButton.text(), QStringLiteral("中  止"));
    EXPECT_EQ(main.focusWidget(), &startButton);

    // A key held down presses once; with Ctrl or Alt it presses nothing.
    QKeyEvent held(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7", true);
    QApplication::sendEvent(&main, &held);
    press(main, Qt::Key_7, Qt::ControlModifier);
    press(main, Qt::Key_7, Qt::AltModifier);
    EXPECT_EQ(typed.text(), QStringLiteral(""));

    press(main, Qt::Key_7);
    press(startButton, Qt::Key_Return);
    EXPECT_EQ(trainer.widget<LabelView>("Label32").text(), QStringLiteral("1"));
    press(main, Qt::Key_3);
    press(main, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(trainer.widget<LabelView>("Label32").text(), QStringLiteral("2"));
    press(main, Qt::Key_5);
    press(startButton, Qt::Key_Space);
    EXPECT_EQ(trainer.widget<LabelView>("Label32").text(), QStringLiteral("3"));
    EXPECT_EQ(trainer.window.form.List1.items.size(), 4u);
}

TEST(RunKeyboard, BetweenRunsKeysPressNothingAndTheNameBoxTypes) {
    QtTrainer trainer;
    QWidget& main = trainer.view->mainWindow();
    auto& startButton = trainer.widget<QPushButton>("Command4");
    QTest::mouseClick(&startButton, Qt::LeftButton);
    QTest::mouseClick(&startButton, Qt::LeftButton);  // "中  止": the report is on view
    const auto& list = trainer.widget<QListView>("List1");
    ASSERT_TRUE(list.isVisible());
    ASSERT_TRUE(trainer.widget("Command2").isEnabled());
    const int rows = list.model()->rowCount();
    EXPECT_EQ(main.focusWidget(), &list) << "the arrow keys read the report";
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete}) {
        press(trainer.widget("List1"), key);
    }

    for (Qt::Key key : {Qt::Key_9, Qt::Key_6, Qt::Key_Backspace, Qt::Key_Return}) press(main, key);
    EXPECT_TRUE(list.isVisible()) << "key 9 of the menu was not pressed";
    EXPECT_EQ(list.model()->rowCount(), rows) << "\"清  除\" was not pressed";
    EXPECT_TRUE(trainer.dialogs.shown.empty()) << "\"关闭\" was not pressed";
    EXPECT_EQ(trainer.window.state.examMode, "0");

    auto& nameBox = trainer.widget<QLineEdit>("Text1");
    nameBox.setFocus();
    nameBox.setCursorPosition(nameBox.text().size());
    QTest::keyClicks(&nameBox, "12");
    press(nameBox, Qt::Key_Backspace);
    press(nameBox, Qt::Key_Return);
    EXPECT_EQ(trainer.window.form.Text1.caption(), "豆 豆1");
    EXPECT_EQ(nameBox.text(), QStringLiteral("豆 豆1"));
    EXPECT_TRUE(trainer.dialogs.shown.empty());
}

TEST(PaintBeforeClip, WhatAHandlerChangedIsOnScreenWhenItsClipStarts) {
    RecordedTrainer recorded;
    QtTrainer& trainer = recorded.trainer;
    trainer.window.state.examMode = "1";  // practice: a wrong entry is put back with two cues
    QImage before = PaintedAtClipStart::paintedOf(recorded.main());

    // The keypad shows its digits while the start cue sounds.
    QTest::mouseClick(&trainer.widget<QPushButton>("Command4"), Qt::LeftButton);
    const ClipStart startCue = recorded.lastStartOf(108);
    for (int key = 0; key <= 9; ++key) {
        const std::string name = "Command1(" + std::to_string(key) + ")";
        EXPECT_TRUE(recorded.paintedAsItWas(startCue, name.c_str())) << name;
        EXPECT_TRUE(recorded.changedSince(startCue, name.c_str(), before)) << name;
    }

    // A wrong entry and the wrong count are on screen while the wrong cue sounds.
    const TrainingState& state = trainer.window.state;
    ASSERT_EQ(state.blankPosition, 1);
    const bool oneIsRight = state.operandC == 1;
    before = PaintedAtClipStart::paintedOf(recorded.main());
    press(recorded.main(), oneIsRight ? Qt::Key_2 : Qt::Key_1);
    const ClipStart keyClick = recorded.lastStartOf(102);
    EXPECT_TRUE(recorded.paintedAsItWas(keyClick, "Label17"));
    EXPECT_TRUE(recorded.changedSince(keyClick, "Label17", before));
    before = PaintedAtClipStart::paintedOf(recorded.main());
    press(recorded.main(), Qt::Key_Return);
    const ClipStart wrongCue = recorded.lastStartOf(104);
    EXPECT_TRUE(recorded.paintedAsItWas(wrongCue, "Label24"));
    EXPECT_TRUE(recorded.changedSince(wrongCue, "Label24", before));
    EXPECT_TRUE(recorded.paintedAsItWas(wrongCue, "Label15"));
    EXPECT_FALSE(recorded.changedSince(wrongCue, "Label15", before, "verdictMark"))
        << "the entry is still shown beside the verdict";
    EXPECT_EQ(trainer.widget<LabelView>("Label15").text(), QStringLiteral("  "))
        << "and is put back after the cues";
}

TEST(RunTimers, RunClockAndQuestionTimerFollowTheRun) {
    QtTrainer trainer;
    QTimer& runClock = timerOf(trainer, "Timer1");
    QTimer& questionTimer = timerOf(trainer, "Timer2");
    EXPECT_EQ(runClock.thread(), QApplication::instance()->thread());
    EXPECT_EQ(questionTimer.thread(), QApplication::instance()->thread());
    auto& startButton = trainer.widget<QPushButton>("Command4");
    QTest::mouseClick(&trainer.widget<QPushButton>("Command5"), Qt::LeftButton);  // no clips
    QTest::mouseClick(&startButton, Qt::LeftButton);
    EXPECT_TRUE(runClock.isActive());
    EXPECT_EQ(runClock.interval(), 100);
    EXPECT_TRUE(questionTimer.isActive());
    EXPECT_EQ(questionTimer.interval(), 1000);

    // Submitting an answer starts the next question's second afresh.
    QTest::qWait(400);
    press(trainer.view->mainWindow(), Qt::Key_5);
    press(trainer.view->mainWindow(), Qt::Key_Return);
    ASSERT_EQ(trainer.window.state.answeredCount, 1);
    EXPECT_TRUE(questionTimer.isActive());
    EXPECT_GT(questionTimer.remainingTime(), 800);

    QTest::mouseClick(&startButton, Qt::LeftButton);
    EXPECT_FALSE(runClock.isActive());
    EXPECT_FALSE(questionTimer.isActive());
}
