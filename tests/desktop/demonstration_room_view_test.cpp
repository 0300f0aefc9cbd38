// 演示 in the practice room on screen: the rhyme tables under the board, a times-table line with
// both rods of its product framed, and a 退商 step with the beads it moved ringed. Screenshots
// are kept as demo-<what>.png in the folder ABACUS_KEEP_SCREENSHOTS names, if any.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QListView>
#include <QScrollArea>
#include <QTest>
#include <cstdlib>
#include <string>

#include "qt_trainer.h"

namespace {

// The room's design area, whole even where the window scrolls it.
QWidget& designArea(QtTrainer& trainer) {
    return *trainer.view->practiceRoom()->findChild<QScrollArea*>()->widget();
}

// The practice room as it paints itself, kept when screenshots are asked for.
QImage roomShot(QtTrainer& trainer, const char* what) {
    trainer.view->sync();
    QWidget& room = *trainer.view->practiceRoom();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&room));
    room.repaint();
    const QImage shot = designArea(trainer).grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (const char* folder = std::getenv("ABACUS_KEEP_SCREENSHOTS"))
        shot.save(QDir(folder).filePath(QStringLiteral("demo-%1.png").arg(what)));
    return shot;
}

// The room's widget showing `name`.
QWidget& roomWidget(QtTrainer& trainer, const char* name) {
    QWidget* found = trainer.view->practiceRoom()->findChild<QWidget*>(name);
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

// True when the shot is the frame's red at `point`.
bool redAt(const QImage& shot, QPoint point) {
    const QRgb pixel = shot.pixel(point);
    return qRed(pixel) > 180 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

// How many columns of the frame's top edge are painted red on the shot.
int redColumns(QtTrainer& trainer, const QImage& shot) {
    QWidget& frame = roomWidget(trainer, "drill.RodFrame");
    const QPoint origin = frame.mapTo(&designArea(trainer), QPoint(0, 0));
    int red = 0;
    for (int x = 0; x < frame.width(); ++x) {
        for (int y = 0; y < 4; ++y) {
            if (redAt(shot, origin + QPoint(x, y))) {
                ++red;
                break;
            }
        }
    }
    return red;
}

class DemonstrationRoomView : public ::testing::Test {
  protected:
    void SetUp() override {
        trainer.window.state.beadStyle1 = "11";
        trainer.view->send(Event{EventKind::Menu, "Form1_main", -1, "演示与口诀…"});
        trainer.view->sync();
        ASSERT_NE(trainer.view->practiceRoom(), nullptr);
    }

    // Plays the typed question up to the step whose rhyme is `rhyme`.
    void playUpTo(const std::string& typed, const std::string& rhyme) {
        trainer.view->send(Event{EventKind::Type, "drill.DemoQuestion", -1, typed});
        trainer.view->send(Event{EventKind::Click, "drill.Command1", -1, {}});
        for (int guard = 0; guard < 60 && room.Label3.caption() != rhyme; ++guard) {
            trainer.view->send(Event{EventKind::Tick, "drill.DemoTimer", -1, {}});
        }
        ASSERT_EQ(room.Label3.caption(), rhyme);
    }

    QtTrainer trainer;
    DrillForm& room = trainer.window.drill;
};

TEST_F(DemonstrationRoomView, TheTablesStandUnderTheBoardAndAProductIsFramedOnBothItsRods) {
    roomShot(trainer, "tables");
    for (const char* table : {"drill.AddRhymes", "drill.SubtractRhymes", "drill.TimesRhymes"}) {
        auto* list = dynamic_cast<QListView*>(&roomWidget(trainer, table));
        ASSERT_NE(list, nullptr) << table;
        EXPECT_TRUE(list->isVisible()) << table;
        EXPECT_GE(list->model()->rowCount(), 30) << table;
        EXPECT_GE(list->geometry().top(), roomWidget(trainer, "drill.Board").geometry().bottom());
    }
    EXPECT_FALSE(roomWidget(trainer, "drill.List1").isVisible());

    playUpTo("2×3", "二三得六 06");
    const int twoRods = redColumns(trainer, roomShot(trainer, "product-06"));
    trainer.view->send(Event{EventKind::Tick, "drill.DemoTimer", -1, {}});
    ASSERT_EQ(room.Label3.caption(), "六上六");
    const int oneRod = redColumns(trainer, roomShot(trainer, "product-move"));
    EXPECT_GT(oneRod, 40) << "the frame's top edge across one rod";
    EXPECT_GT(twoRods, oneRod * 3 / 2) << "both rods of 06 framed";
}

TEST_F(DemonstrationRoomView, ATakenBackQuotientDigitIsAStepOfItsOwnWithItsBeadsRinged) {
    playUpTo("1634÷38", "退商一");
    EXPECT_EQ(room.Board.caption(), "40134");
    const QImage shot = roomShot(trainer, "take-back");
    QWidget& bead = roomWidget(trainer, "drill.Upper(4)");
    const QPoint end = bead.mapTo(&designArea(trainer), QPoint(2, bead.height() / 2));
    const QRgb edge = shot.pixel(end);
    EXPECT_TRUE(qRed(edge) > 200 && qGreen(edge) > 170 && qBlue(edge) < 90)
        << "the upper bead taken away from the 5 is ringed " << std::hex << edge;
}

}  // namespace
