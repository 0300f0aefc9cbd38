// The abacus board on screen: the fifteen rods get picture names through the model, the view
// syncs, and a screenshot of the window shows each rod's beads where its digit puts them.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "qt_trainer.h"
#include "rod_pictures.h"

namespace {

constexpr int kUpperBeadCounted = 10;
constexpr int kUpperBeadResting = 0;
constexpr int kFirstLowerBead = 21;
constexpr int kLastLowerBeadResting = 60;
constexpr int kBeadHeight = 9;

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// One board row: its frame, its rods from ten-thousands to units, the picture names they get.
struct BoardRow {
    const char* frame;
    std::array<Element MainForm::*, 5> rods;
    std::array<const char*, 5> pictures;
};

// Shows the three rows with the given pictures, hides what covers them, and syncs the view.
void showBoard(QtTrainer& trainer, const std::array<BoardRow, 3>& rows) {
    MainForm& form = trainer.window.form;
    form.List1.visible = false;
    form.Label19.visible = false;
    for (Element* frame : {&form.Picture2, &form.Picture4, &form.Picture3}) frame->visible = true;
    for (const BoardRow& row : rows) {
        for (std::size_t place = 0; place < 5; ++place)
            (form.*row.rods[place]).picture = row.pictures[place];
    }
    trainer.view->sync();
}

// A screenshot of the main window as it stands on the screen, kept as board-<family>.png in
// the folder ABACUS_KEEP_SCREENSHOTS names, if any.
QImage screenshot(const QtTrainer& trainer, const char* family) {
    QWidget& window = trainer.view->mainWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    QImage shot =
        window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    if (const char* folder = std::getenv("ABACUS_KEEP_SCREENSHOTS"))
        shot.save(QDir(folder).filePath(QStringLiteral("board-%1.png").arg(family)));
    return shot;
}

// Reads the screenshot at a logical pixel of the window, whatever the screen's density.
struct Screen {
    QImage shot;
    double ratio;

    QRgb at(QPoint logical) const {
        return shot.pixel(static_cast<int>(logical.x() * ratio),
                          static_cast<int>(logical.y() * ratio));
    }
};

// The top rows of the beads a digit puts on its rod; for the whole rod also the resting ones.
std::vector<int> beadTopsOf(int digit, bool wholeRod) {
    std::vector<int> tops;
    if (digit >= 5) tops.push_back(kUpperBeadCounted);
    if (digit < 5 && wholeRod) tops.push_back(kUpperBeadResting);
    for (int bead = 0; bead < digit % 5; ++bead)
        tops.push_back(kFirstLowerBead + bead * kBeadHeight);
    for (int bead = 0; wholeRod && bead < 4 - digit % 5; ++bead)
        tops.push_back(kLastLowerBeadResting - bead * kBeadHeight);
    return tops;
}

// Checks one rod: bead colour inside each bead it should show, white where a counted bead
// would lie but does not, the rim where the style has one, and the rod and beam in black.
void expectRod(const Screen& screen, QPoint rodCorner, int digit, bool wholeRod, QRgb colour,
               bool outlined, const std::string& where) {
    const std::vector<int> tops = beadTopsOf(digit, wholeRod);
    const auto shows = [&](int top) {
        return std::find(tops.begin(), tops.end(), top) != tops.end();
    };
    for (const int top : {kUpperBeadCounted, kFirstLowerBead, kFirstLowerBead + 9,
                          kFirstLowerBead + 18, kFirstLowerBead + 27}) {
        if (!shows(top) && !wholeRod) {
            EXPECT_EQ(screen.at(rodCorner + QPoint(4, top + 4)), kWhite) << where << " row " << top;
        }
    }
    for (const int top : tops) {
        EXPECT_EQ(screen.at(rodCorner + QPoint(4, top + 4)), colour) << where << " bead " << top;
        EXPECT_EQ(screen.at(rodCorner + QPoint(10, top + 4)), colour)
            << where << " over rod " << top;
        EXPECT_EQ(screen.at(rodCorner + QPoint(0, top + 4)), outlined ? kBlack : colour)
            << where << " rim " << top;
    }
    EXPECT_EQ(screen.at(rodCorner + QPoint(22, 19)), kBlack) << where << " beam";
    EXPECT_EQ(screen.at(rodCorner + QPoint(22, 40)), kWhite) << where << " beside the rod";
    if (!shows(kLastLowerBeadResting - kBeadHeight)) {
        EXPECT_EQ(screen.at(rodCorner + QPoint(9, 58)), kBlack) << where << " bare rod";
    }
}

// Checks that the rod shows its picture painted for the screen's density, pixel for pixel,
// up to the last column, which the next rod covers.
void expectPaintedForTheScreen(const Screen& screen, QPoint rodCorner, const std::string& name) {
    const QImage painted = paintRodPicture(*rodPictureNamed(name), screen.ratio);
    const QPoint origin = rodCorner * screen.ratio;
    const int visibleWidth = static_cast<int>(24 * screen.ratio);
    int differences = 0;
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < std::min(visibleWidth, painted.width()); ++x) {
            if (screen.shot.pixel(origin + QPoint(x, y)) != painted.pixel(x, y)) ++differences;
        }
    }
    EXPECT_EQ(differences, 0) << name << " differs from its picture in so many device pixels";
}

const std::array<Element MainForm::*, 5> kRow1{&MainForm::Picture9, &MainForm::Picture8,
                                               &MainForm::Picture7, &MainForm::Picture6,
                                               &MainForm::Picture5};
const std::array<Element MainForm::*, 5> kRow2{&MainForm::Picture19, &MainForm::Picture13,
                                               &MainForm::Picture12, &MainForm::Picture11,
                                               &MainForm::Picture10};
const std::array<Element MainForm::*, 5> kRow3{&MainForm::Picture18, &MainForm::Picture17,
                                               &MainForm::Picture16, &MainForm::Picture15,
                                               &MainForm::Picture14};

// Checks every rod of the board against the digits and styles its pictures were named by.
void expectBoard(const QtTrainer& trainer, const Screen& screen,
                 const std::array<BoardRow, 3>& rows, const std::array<QRgb, 3>& colours,
                 const std::array<bool, 3>& outlined) {
    for (std::size_t row = 0; row < 3; ++row) {
        const QPoint frame =
            trainer.widget(rows[row].frame).mapTo(&trainer.view->mainWindow(), QPoint());
        for (std::size_t place = 0; place < 5; ++place) {
            const std::string name = rows[row].pictures[place];
            const QPoint rodCorner = frame + QPoint(static_cast<int>(place) * 24, 0);
            expectRod(screen, rodCorner, name.back() - '0', name.front() == 'B', colours[row],
                      outlined[row], name);
            expectPaintedForTheScreen(screen, rodCorner, name);
        }
    }
}

}  // namespace

TEST(BoardView, FamilyARodsShowTheCountedBeadsOnScreen) {
    QtTrainer trainer;
    const std::array<BoardRow, 3> rows{{
        {"Picture2", kRow1, {"A30", "A34", "A30", "A35", "A30"}},
        {"Picture4", kRow2, {"a160", "A161", "A162", "A168", "A169"}},
        {"Picture3", kRow3, {"A127", "A123", "A126", "A120", "A124"}},
    }};
    showBoard(trainer, rows);
    const Screen screen{screenshot(trainer, "a"), trainer.view->mainWindow().devicePixelRatio()};
    expectBoard(trainer, screen, rows, {qRgb(255, 255, 0), qRgb(255, 0, 0), kBlack},
                {true, false, true});
}

TEST(BoardView, FamilyBRodsShowAllFiveBeadsOnScreen) {
    QtTrainer trainer;
    const std::array<BoardRow, 3> rows{{
        {"Picture2", kRow1, {"B10", "B14", "B15", "B19", "B12"}},
        {"Picture4", kRow2, {"B83", "B87", "B80", "B86", "B84"}},
        {"Picture3", kRow3, {"B201", "B202", "B205", "B208", "B209"}},
    }};
    showBoard(trainer, rows);
    const Screen screen{screenshot(trainer, "b"), trainer.view->mainWindow().devicePixelRatio()};
    expectBoard(trainer, screen, rows, {qRgb(0, 128, 0), qRgb(0, 128, 255), qRgb(255, 0, 255)},
                {false, true, false});
}

TEST(BoardView, ARodWithAnUnknownPictureNameShowsItsBackgroundOnly) {
    QtTrainer trainer;
    const std::array<BoardRow, 3> rows{{
        {"Picture2", kRow1, {"A10", "A1", "A215", "", "x35"}},
        {"Picture4", kRow2, {"A10", "A10", "A10", "A10", "A10"}},
        {"Picture3", kRow3, {"A10", "A10", "A10", "A10", "A10"}},
    }};
    showBoard(trainer, rows);
    const Screen screen{screenshot(trainer, "unknown"),
                        trainer.view->mainWindow().devicePixelRatio()};
    const QPoint frame = trainer.widget("Picture2").mapTo(&trainer.view->mainWindow(), QPoint());
    EXPECT_EQ(screen.at(frame + QPoint(9, 40)), kBlack);
    for (int place = 1; place < 5; ++place) {
        const QPoint rod = frame + QPoint(place * 24, 0);
        EXPECT_EQ(screen.at(rod + QPoint(9, 40)), kWhite) << place;
        EXPECT_EQ(screen.at(rod + QPoint(15, 19)), kWhite) << place;
    }
}
