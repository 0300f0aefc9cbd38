// The drop-down lists on screen: a choice reaches the list's handler, and typing into the
// edit field leaves the list without a selection.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "desktop/widgets/label_view.h"
#include "qt_trainer.h"

TEST(SettingsListsView, ChoosingFiveQuestionsShowsTheTotalAndForcesOneColumn) {
    QtTrainer trainer;
    trainer.window.form.Command8.setCaption("双  列");
    trainer.view->sync();

    auto& countList = trainer.widget<QComboBox>("Combo3");
    countList.setCurrentIndex(0);
    emit countList.activated(0);

    EXPECT_EQ(trainer.window.form.Combo3.listIndex, 0);
    EXPECT_EQ(trainer.widget<LabelView>("Label4").text(), QStringLiteral("5"));
    EXPECT_EQ(trainer.widget<LabelView>("Label25").text(), QStringLiteral("5"));
    EXPECT_EQ(trainer.widget<QPushButton>("Command8").text(), QStringLiteral("单  列"));
    EXPECT_EQ(countList.currentText(), QStringLiteral("5"));
}

TEST(SettingsListsView, TypingIntoTheEditFieldDeselectsTheList) {
    QtTrainer trainer;
    auto& countList = trainer.widget<QComboBox>("Combo3");
    ASSERT_EQ(countList.currentIndex(), 2);
    countList.lineEdit()->setFocus();
    countList.lineEdit()->home(false);
    QTest::keyClicks(countList.lineEdit(), "15");

    EXPECT_EQ(trainer.window.form.Combo3.listIndex, -1);
    EXPECT_EQ(trainer.window.form.Combo3.caption(), "1520");
    EXPECT_EQ(countList.currentIndex(), -1);
    EXPECT_EQ(countList.currentText(), QStringLiteral("1520"));
}

TEST(SettingsListsView, APickFromTheListAfterTypingSelectsItAgain) {
    QtTrainer trainer;
    auto& modeList = trainer.widget<QComboBox>("Combo1");
    QTest::keyClicks(modeList.lineEdit(), "x");
    ASSERT_EQ(trainer.window.form.Combo1.listIndex, -1);

    modeList.setCurrentIndex(6);
    emit modeList.activated(6);
    EXPECT_EQ(trainer.window.form.Combo1.listIndex, 6);
    EXPECT_EQ(trainer.window.state.modeIndex, 6);
    EXPECT_EQ(modeList.currentText(), QStringLiteral("+-×÷"));
}
