// The bead drill's board on screen: each bead drawn in the main board's bead style where the
// model puts it, at 100 % and 200 %, moved by a real mouse click; a wrong click leaves the
// beads where they were. Screenshots are kept as beads-<what>.png in the folder
// ABACUS_KEEP_SCREENSHOTS names, if any.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QScrollArea>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "beads/bead_room.h"
#include "beads/board_steps.h"
#include "beads/move_judgement.h"
#include "qt_trainer.h"
#include "rod_pictures.h"

namespace {

// The room's design area, whole even where the window scrolls it (the room at 200 %).
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
        shot.save(QDir(folder).filePath(QStringLiteral("beads-%1.png").arg(what)));
    return shot;
}

// The room's widget showing `name` ("drill.Upper(3)").
QWidget& roomWidget(QtTrainer& trainer, const std::string& name) {
    QWidget* found =
        trainer.view->practiceRoom()->findChild<QWidget*>(QString::fromStdString(name));
    if (found == nullptr) throw std::runtime_error("no widget " + name);
    return *found;
}

// The colour in the middle of a bead's widget on the shot.
QRgb beadColour(QtTrainer& trainer, const QImage& shot, const std::string& name) {
    QWidget& bead = roomWidget(trainer, name);
    const QPoint centre = bead.mapTo(&designArea(trainer), bead.rect().center());
    return shot.pixel(centre * trainer.view->practiceRoom()->devicePixelRatio());
}

// The event name of a bead: "drill.Upper(3)", "drill.Lower2(0)".
std::string beadName(int rod, int bead) {
    const std::string array = bead == kUpperBead ? "Upper" : "Lower" + std::to_string(bead);
    return "drill." + array + "(" + std::to_string(rod) + ")";
}

// The colour on a bead's left end, halfway down, where the ring of a marked bead runs.
QRgb ringColour(QtTrainer& trainer, const QImage& shot, const std::string& name) {
    QWidget& bead = roomWidget(trainer, name);
    const QPoint end = bead.mapTo(&designArea(trainer), QPoint(2, bead.height() / 2));
    return shot.pixel(end * trainer.view->practiceRoom()->devicePixelRatio());
}

class BeadBoardView : public ::testing::Test {
  protected:
    void SetUp() override {
        trainer.window.state.beadStyle1 = "11";
        dispatch(trainer.window, Event{EventKind::Menu, "Form1_main", -1, "拨珠练习…"});
        trainer.view->sync();
        ASSERT_NE(trainer.view->practiceRoom(), nullptr);
    }

    QtTrainer trainer;
    DrillForm& room = trainer.window.drill;
};

TEST_F(BeadBoardView, BeadsShowInTheBoardsStyleWhereTheModelPutsThemAtEveryZoom) {
    const QRgb styleColour = beadLook(11).colour;
    for (const int zoom : {100, 200}) {
        trainer.window.state.zoomPercent = zoom;
        trainer.view->sync();
        QWidget& upper = roomWidget(trainer, "drill.Upper(2)");
        const QPoint awayAt = upper.pos();
        EXPECT_EQ(upper.size(), QSize(60, 22) * zoom / 100);
        QTest::mouseClick(&upper, Qt::LeftButton);
        EXPECT_EQ(room.Upper[2].caption(), "1");
        EXPECT_EQ(room.Board.caption(), "500");
        trainer.view->sync();
        EXPECT_GT(upper.pos().y(), awayAt.y());
        QTest::mouseClick(&roomWidget(trainer, "drill.Lower3(0)"), Qt::LeftButton);
        EXPECT_EQ(room.Board.caption(), "503");
        const QImage shot = roomShot(trainer, zoom == 100 ? "100" : "200");
        EXPECT_EQ(beadColour(trainer, shot, "drill.Upper(2)") & 0xffffff, styleColour & 0xffffff);
        EXPECT_EQ(beadColour(trainer, shot, "drill.Lower1(0)") & 0xffffff, styleColour & 0xffffff);
        QTest::mouseClick(&upper, Qt::LeftButton);
        QTest::mouseClick(&roomWidget(trainer, "drill.Lower1(0)"), Qt::LeftButton);
        EXPECT_EQ(room.Board.caption(), "0");
    }
}

TEST_F(BeadBoardView, AWrongClickLeavesTheBeadsAndShowsTheHintUntilTheSetIsDone) {
    trainer.view->send(Event{EventKind::Choose, "drill.Combo5", 0, {}});
    trainer.view->send(Event{EventKind::Click, "drill.Command1", -1, {}});
    const BeadDrillState& beads = trainer.window.drillState.beads;
    const BeadQuestion question{beads.first, beads.subtract, beads.second, 0};
    const std::vector<BoardStep> steps = boardSteps(question);
    BeadBoard board = shownBoard(room);
    std::string wrong;
    for (int rod = kBoardRods - 1; rod >= 0 && wrong.empty(); --rod) {
        if (judgeMove(board, clickBead(board, rod, 1), steps.front().target) == MoveVerdict::Wrong)
            wrong = "drill.Lower1(" + std::to_string(rod) + ")";
    }
    ASSERT_FALSE(wrong.empty());
    const std::string before = room.Board.caption();
    QTest::mouseClick(&roomWidget(trainer, wrong), Qt::LeftButton);
    EXPECT_EQ(room.Board.caption(), before);
    EXPECT_EQ(room.Label3.caption(), steps.front().rhyme);
    const QImage hint = roomShot(trainer, "hint");
    int marked = 0;
    for (int rod = 0; rod < kBoardRods; ++rod) {
        for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
            const bool moves =
                beadAtBeam(board, rod, bead) != beadAtBeam(steps.front().target, rod, bead);
            marked += moves;
            const QRgb edge = ringColour(trainer, hint, beadName(rod, bead));
            EXPECT_EQ(qRed(edge) > 200 && qGreen(edge) > 170 && qBlue(edge) < 90, moves)
                << beadName(rod, bead) << " " << std::hex << edge;
        }
    }
    EXPECT_GT(marked, 0);

    for (const BoardStep& step : steps) {
        if (!trainer.window.drillState.setRunning) break;
        for (int guard = 0; guard < 12 && shownBoard(room) != step.target; ++guard) {
            board = shownBoard(room);
            for (int rod = 0; rod < kBoardRods; ++rod) {
                for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
                    if (judgeMove(board, clickBead(board, rod, bead), step.target) !=
                            MoveVerdict::Wrong &&
                        shownBoard(room) == board) {
                        const std::string array =
                            bead == kUpperBead ? "Upper" : "Lower" + std::to_string(bead);
                        trainer.view->sync();
                        QTest::mouseClick(&roomWidget(trainer, "drill." + array + "(" +
                                                                   std::to_string(rod) + ")"),
                                          Qt::LeftButton);
                    }
                }
            }
            if (!trainer.window.drillState.setRunning) break;
        }
    }
    EXPECT_FALSE(trainer.window.drillState.setRunning);
    ASSERT_EQ(room.List1.items.size(), 2u);
    EXPECT_EQ(room.List1.items.back().rfind("共1题 错1次 用时", 0), 0u);
    const QImage finished = roomShot(trainer, "finished");
    QWidget& check = roomWidget(trainer, "drill.BeadCheck");
    ASSERT_TRUE(check.isVisible());
    int green = 0;
    const QRect area(check.mapTo(trainer.view->practiceRoom(), QPoint(0, 0)), check.size());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = finished.pixel(x, y);
            green += qGreen(pixel) > 100 && qRed(pixel) < 80 && qBlue(pixel) < 80;
        }
    }
    EXPECT_GT(green, 60) << "the large check mark beside the finished board";
    EXPECT_FALSE(roomWidget(trainer, "drill.BeadNext").isVisible())
        << "the set of one has ended: no next question to ask for";

    // The mark's ink stands wholly inside its label, and so inside the room, at every zoom.
    for (const int zoom : {100, 200}) {
        trainer.window.state.zoomPercent = zoom;
        roomShot(trainer, zoom == 100 ? "check-100" : "check-200");
        const QImage mark = check.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int left = mark.width();
        int right = -1;
        for (int y = 0; y < mark.height(); ++y) {
            for (int x = 0; x < mark.width(); ++x) {
                const QRgb pixel = mark.pixel(x, y);
                if (qGreen(pixel) > 100 && qRed(pixel) < 80 && qBlue(pixel) < 80) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        ASSERT_GE(right, 0) << zoom;
        EXPECT_GT(left, 0) << zoom << "%: the mark is not cut on the left";
        EXPECT_LT(right, mark.width() - 1) << zoom << "%: the mark is not cut on the right";
        const QRect inRoom(check.mapTo(&designArea(trainer), QPoint(0, 0)), check.size());
        EXPECT_LE(inRoom.right(), designArea(trainer).width() - 1);
    }
}

}  // namespace
