// Closing the main window asks the quit question: No keeps everything as it was, Yes ends
// the program with both windows gone.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <map>
#include <string>

#include "desktop/services/qt_translations.h"
#include "desktop/widgets/label_view.h"
#include "qt_trainer.h"

namespace {

// The caption of every element of the main window, by name.
std::map<std::string, std::string> captions(const MainForm& form) {
    std::map<std::string, std::string> byName;
    for (const Element* element : form.elements()) byName[element->name] = element->caption();
    return byName;
}

// The texts shown by the buttons and labels of the main window, by widget name.
std::map<QString, QString> shownTexts(const QWidget& main) {
    std::map<QString, QString> byName;
    for (const QPushButton* button : main.findChildren<QPushButton*>()) {
        byName[button->objectName()] = button->text();
    }
    for (const LabelView* label : main.findChildren<LabelView*>()) {
        byName[label->objectName()] = label->text();
    }
    return byName;
}

}  // namespace

TEST(CloseView, AnsweringNoKeepsTheWindowAndEveryCaption) {
    QtTrainer trainer;
    QWidget& main = trainer.view->mainWindow();
    const auto modelBefore = captions(trainer.window.form);
    const auto shownBefore = shownTexts(main);

    trainer.dialogs.queueAnswer(DialogAnswer::No);
    EXPECT_FALSE(main.close());

    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(trainer.window.closed);
    ASSERT_EQ(trainer.dialogs.shown.size(), 1u);
    EXPECT_EQ(trainer.dialogs.shown.front(), "豆豆：你确定要退出吗?");
    EXPECT_EQ(captions(trainer.window.form), modelBefore);
    EXPECT_EQ(shownTexts(main), shownBefore);
}

TEST(CloseView, AnsweringYesClosesBothWindows) {
    QtTrainer trainer;
    QTest::mouseClick(&trainer.widget("Label31"), Qt::LeftButton);
    ASSERT_NE(trainer.view->aboutBox(), nullptr);

    trainer.dialogs.queueAnswer(DialogAnswer::Yes);
    EXPECT_TRUE(trainer.view->mainWindow().close());
    EXPECT_TRUE(trainer.window.closed);
    EXPECT_FALSE(trainer.view->mainWindow().isVisible());
    EXPECT_EQ(trainer.view->aboutBox(), nullptr);
}

TEST(CloseView, CloseKeyBetweenRunsAsksTheSameQuestion) {
    QtTrainer trainer;
    auto& closeKey = trainer.widget<QPushButton>("Command3");
    ASSERT_EQ(closeKey.text(), QString::fromUtf8("关闭"));

    trainer.dialogs.queueAnswer(DialogAnswer::No);
    QTest::mouseClick(&closeKey, Qt::LeftButton);
    EXPECT_TRUE(trainer.view->mainWindow().isVisible());
    EXPECT_FALSE(trainer.window.closed);

    trainer.dialogs.queueAnswer(DialogAnswer::Yes);
    QTest::mouseClick(&closeKey, Qt::LeftButton);
    EXPECT_TRUE(trainer.window.closed);
    EXPECT_FALSE(trainer.view->mainWindow().isVisible());
    EXPECT_EQ(trainer.dialogs.shown.size(), 2u);
}

// With the toolkit's Chinese texts loaded, the quit question answers in Chinese.
TEST(CloseView, QuitQuestionButtonsAreWrittenInChinese) {
    installToolkitTranslations(*QCoreApplication::instance());
    QMessageBox box(QMessageBox::Question, QStringLiteral("童趣星"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("是")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("否")));
}
