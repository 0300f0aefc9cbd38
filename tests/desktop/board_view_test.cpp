// The abacus board on screen: the fifteen rods get picture names through the model, the view
// syncs, and the window rendered as it paints itself shows each rod's picture, painted for the
// screen's pixel density, with the beads where the digits put them.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "qt_trainer.h"
#include "rod_pictures.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
constexpr int kRodSpacing = 24;  // 360 twips; each rod's last column lies under the next rod

using Rods = std::array<Element MainForm::*, 5>;
const Rods kRow1{&MainForm::Picture9, &MainForm::Picture8, &MainForm::Picture7, &MainForm::Picture6,
                 &MainForm::Picture5};
const Rods kRow2{&MainForm::Picture19, &MainForm::Picture13, &MainForm::Picture12,
                 &MainForm::Picture11, &MainForm::Picture10};
const Rods kRow3{&MainForm::Picture18, &MainForm::Picture17, &MainForm::Picture16,
                 &MainForm::Picture15, &MainForm::Picture14};
const std::array<const char*, 3> kFrames{"Picture2", "Picture4", "Picture3"};

// The picture names of one board row, ten-thousands to units.
using RowPictures = std::array<const char*, 5>;

// The board as a screenshot shows it, read at logical pixels whatever the screen's density.
struct Board {
    QImage shot;
    double ratio;
    std::array<QPoint, 3> frames;  // top-left corners of the three rows in the window

    QRgb at(QPoint logical) const {
        return shot.pixel(static_cast<int>(logical.x() * ratio),
                          static_cast<int>(logical.y() * ratio));
    }
    // The colour inside the bead whose top row is `top` on a rod, left of the rod itself.
    QRgb bead(int row, int place, int top) const {
        return at(frames[row] + QPoint(place * kRodSpacing + 4, top + 4));
    }
    // The colour at the bead's left end, where an outlined style has its rim.
    QRgb rim(int row, int place, int top) const {
        return at(frames[row] + QPoint(place * kRodSpacing, top + 4));
    }
};

// Names the fifteen rods' pictures, shows the three rows with nothing over them, syncs the
// view and takes a screenshot of the window, kept as board-<what>.png in the folder
// ABACUS_KEEP_SCREENSHOTS names, if any.
Board showBoard(QtTrainer& trainer, const std::array<RowPictures, 3>& pictures, const char* what) {
    MainForm& form = trainer.window.form;
    form.List1.visible = false;
    form.Label19.visible = false;
    const std::array<const Rods*, 3> rows{&kRow1, &kRow2, &kRow3};
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t place = 0; place < 5; ++place)
            (form.*(*rows[row])[place]).picture = pictures[row][place];
    }
    for (Element* frame : {&form.Picture2, &form.Picture4, &form.Picture3}) frame->visible = true;
    trainer.view->sync();

    QWidget& window = trainer.view->mainWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    Board board{window.grab().toImage().convertToFormat(QImage::Format_RGB32),
                window.devicePixelRatio(),
                {}};
    for (std::size_t row = 0; row < 3; ++row)
        board.frames[row] = trainer.widget(kFrames[row]).mapTo(&window, QPoint());
    if (const char* folder = std::getenv("ABACUS_KEEP_SCREENSHOTS"))
        board.shot.save(QDir(folder).filePath(QStringLiteral("board-%1.png").arg(what)));
    return board;
}

// Checks that every rod shows its picture painted for the screen's density, device pixel
// for device pixel, up to the column the next rod covers.
void expectPaintedForTheScreen(const Board& board, const std::array<RowPictures, 3>& pictures) {
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t place = 0; place < 5; ++place) {
            const char* name = pictures[row][place];
            const QImage painted = paintRodPicture(*rodPictureNamed(name), board.ratio);
            const QPoint origin =
                (board.frames[row] + QPoint(static_cast<int>(place) * kRodSpacing, 0)) *
                board.ratio;
            const int width =
                std::min(painted.width(), static_cast<int>(kRodSpacing * board.ratio));
            int differences = 0;
            for (int y = 0; y < painted.height(); ++y) {
                for (int x = 0; x < width; ++x)
                    differences += board.shot.pixel(origin + QPoint(x, y)) != painted.pixel(x, y);
            }
            EXPECT_EQ(differences, 0) << name << ": device pixels unlike its picture";
        }
    }
}

}  // namespace

TEST(BoardView, FamilyARodsShowTheCountedBeadsOnScreen) {
    QtTrainer trainer;
    const std::array<RowPictures, 3> pictures{{
        {"A30", "A34", "A30", "A35", "A30"},
        {"a160", "A161", "A162", "A168", "A169"},
        {"A127", "A123", "A126", "A120", "A124"},
    }};
    const Board board = showBoard(trainer, pictures, "a");
    expectPaintedForTheScreen(board, pictures);

    // 4050 in yellow outlined beads: four lower beads on the thousands, the five on the tens.
    const QRgb yellow = qRgb(255, 255, 0);
    EXPECT_EQ(board.bead(0, 1, 48), yellow);
    EXPECT_EQ(board.rim(0, 1, 48), kBlack);
    EXPECT_EQ(board.bead(0, 1, 10), kWhite);
    EXPECT_EQ(board.bead(0, 3, 10), yellow);
    EXPECT_EQ(board.bead(0, 3, 21), kWhite);
    // 8 in red without a rim: the five and three lower beads.
    EXPECT_EQ(board.rim(1, 3, 10), qRgb(255, 0, 0));
    EXPECT_EQ(board.bead(1, 3, 39), qRgb(255, 0, 0));
    EXPECT_EQ(board.bead(1, 3, 48), kWhite);
    // 7 in black beads.
    EXPECT_EQ(board.bead(2, 0, 30), kBlack);
    EXPECT_EQ(board.bead(2, 0, 39), kWhite);
}

TEST(BoardView, FamilyBRodsShowAllFiveBeadsOnScreen) {
    QtTrainer trainer;
    const std::array<RowPictures, 3> pictures{{
        {"B10", "B14", "B15", "B19", "B12"},
        {"B83", "B87", "B80", "B86", "B84"},
        {"B201", "B202", "B205", "B208", "B209"},
    }};
    const Board board = showBoard(trainer, pictures, "b");
    expectPaintedForTheScreen(board, pictures);

    // 0: the five at the top, the four lower beads stacked at the bottom.
    const QRgb green = qRgb(0, 128, 0);
    EXPECT_EQ(board.bead(0, 0, 0), green);
    EXPECT_EQ(board.bead(0, 0, 10), kWhite);
    EXPECT_EQ(board.bead(0, 0, 21), kWhite);
    EXPECT_EQ(board.bead(0, 0, 33), green);
    EXPECT_EQ(board.bead(0, 0, 60), green);
    // 9: the five down, four lower beads up, the bottom of the rod bare.
    EXPECT_EQ(board.bead(0, 3, 10), green);
    EXPECT_EQ(board.bead(0, 3, 48), green);
    EXPECT_EQ(board.at(board.frames[0] + QPoint(3 * kRodSpacing + 9, 64)), kBlack);
    EXPECT_EQ(board.bead(0, 3, 60), kWhite);
    // 3 in light blue with a rim: three up, one resting at the bottom.
    const QRgb blue = qRgb(0, 128, 255);
    EXPECT_EQ(board.rim(1, 0, 39), kBlack);
    EXPECT_EQ(board.bead(1, 0, 48), kWhite);
    EXPECT_EQ(board.bead(1, 0, 60), blue);
}

TEST(BoardView, ARodWithAnUnknownPictureNameShowsItsBackgroundOnly) {
    QtTrainer trainer;
    const RowPictures bare{"A10", "A10", "A10", "A10", "A10"};
    const Board board =
        showBoard(trainer, {{{"A10", "A1", "A215", "", "x35"}, bare, bare}}, "unknown");
    EXPECT_EQ(board.at(board.frames[0] + QPoint(9, 40)), kBlack);
    for (int place = 1; place < 5; ++place) {
        const QPoint rod = board.frames[0] + QPoint(place * kRodSpacing, 0);
        EXPECT_EQ(board.at(rod + QPoint(9, 40)), kWhite) << place;
        EXPECT_EQ(board.at(rod + QPoint(15, 19)), kWhite) << place;
    }
}
