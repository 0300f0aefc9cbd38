// The main window after start-up: its size and title, widgets at their design places inside
// their containers, what starts hidden or disabled, and which overlapping widget is on top.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListView>

#include "desktop/widgets/caption_layout.h"
#include "qt_trainer.h"

namespace {

// True when the widget under `point` of the main window belongs to `expected`.
bool isOnTopAt(const QtTrainer& trainer, QPoint point, const QWidget& expected) {
    const QWidget& main = trainer.view->mainWindow();
    const QPoint belowMenuBar(0, main.height() - designAreaSize(main).height());
    const QWidget* hit = main.childAt(point + belowMenuBar);
    return hit != nullptr && (hit == &expected || expected.isAncestorOf(hit));
}

}  // namespace

TEST(MainWindowLayout, WindowHasTheDesignSizeTitleBackgroundAndIcon) {
    QtTrainer trainer;
    trainer.view->showWindowIcon();
    const QWidget& main = trainer.view->mainWindow();
    EXPECT_EQ(designAreaSize(main), QSize(579, 487));
    EXPECT_EQ(main.windowTitle(), QStringLiteral("童趣星V1.0简化绿色版"));
    EXPECT_EQ(main.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_FALSE(main.windowIcon().pixmap(32, 32).isNull());
}

TEST(MainWindowLayout, ElementsSitAtTheirDesignPlacesInsideTheirContainers) {
    QtTrainer trainer;
    EXPECT_EQ(trainer.widget("Frame1").geometry(), QRect(152, 304, 417, 145));
    EXPECT_EQ(trainer.widget("Command4").parentWidget(), &trainer.widget("Frame1"));
    EXPECT_EQ(trainer.widget("Command4").geometry(), QRect(312, 16, 97, 25));
    EXPECT_EQ(trainer.widget("Label31").parentWidget(), &trainer.widget("Frame2"));
    EXPECT_EQ(trainer.widget("Label31").geometry(), QRect(551, 24, 23, 41));
    EXPECT_EQ(trainer.widget("Combo1").geometry(), QRect(40, 16, 89, 27));
    EXPECT_EQ(trainer.widget("Shape1").geometry(), QRect(8, 456, 561, 25));
    EXPECT_EQ(trainer.widget("Picture2").geometry(), QRect(80, 96, 121, 73));
    EXPECT_EQ(trainer.widget("Picture8").parentWidget(), &trainer.widget("Picture2"));
    EXPECT_EQ(trainer.widget("Picture8").geometry(), QRect(24, 0, 25, 73));
}

TEST(MainWindowLayout, StartUpShowsTheDefaultsAndHidesWhatTheDesignHides) {
    QtTrainer trainer;
    EXPECT_EQ(trainer.widget<QComboBox>("Combo1").currentText(), QStringLiteral("+-"));
    EXPECT_EQ(trainer.widget<QComboBox>("Combo4").currentIndex(), 5);
    EXPECT_EQ(trainer.widget<QLineEdit>("Text1").text(), QStringLiteral("豆 豆"));
    EXPECT_TRUE(trainer.widget("Label31").isEnabled());
    EXPECT_FALSE(trainer.widget("Command2").isEnabled());
    EXPECT_FALSE(trainer.widget("Command1(0)").isEnabled());
    EXPECT_TRUE(trainer.widget("Command1(9)").isEnabled());
    EXPECT_FALSE(trainer.widget("List1").isVisible());
    EXPECT_FALSE(trainer.widget("Picture2").isVisible());
    EXPECT_FALSE(trainer.widget("Label17").isVisible());
    EXPECT_TRUE(trainer.widget("Label19").isVisible());
}

TEST(MainWindowLayout, RecordListCoversTheStatusPanelAndTheQuestionArea) {
    QtTrainer trainer;
    trainer.window.form.List1.visible = true;
    trainer.view->sync();
    const QWidget& list = trainer.widget("List1");
    EXPECT_TRUE(isOnTopAt(trainer, QPoint(60, 30), list));    // over the status panel
    EXPECT_TRUE(isOnTopAt(trainer, QPoint(300, 200), list));  // over the banner
    // The list's lower edge reaches into the captions of the settings and keypad frames;
    // those stay readable in front of it.
    EXPECT_TRUE(isOnTopAt(trainer, QPoint(30, 305), trainer.widget("Frame4")));
    EXPECT_TRUE(isOnTopAt(trainer, QPoint(200, 305), trainer.widget("Frame1")));
}

TEST(MainWindowLayout, OvertimeMessageLiesOverTheTimeBar) {
    QtTrainer trainer;
    trainer.window.form.Label8.visible = true;
    trainer.view->sync();
    EXPECT_TRUE(isOnTopAt(trainer, QPoint(300, 465), trainer.widget("Label8")));
}

// A centred caption whose trailing blank makes it wider than its label still shows its first
// character whole: the settings label "模式 " draws its text from the label's left edge on.
TEST(MainWindowLayout, TrailingBlankDoesNotPushACentredCaptionOutOfItsLabel) {
    QtTrainer trainer;
    const Element& label = trainer.window.form.Label20;
    const QWidget& view = trainer.widget("Label20");
    const std::vector<CaptionLine> lines =
        layoutCaption(QString::fromStdString(label.caption()), view.font(), view.width(),
                      CaptionStyle{label.alignment, label.multiLine, label.verticalText});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_GE(lines.front().baseline.x(), 0.0);
}
