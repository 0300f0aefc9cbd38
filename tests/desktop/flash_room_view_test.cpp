// 闪电心算 on screen: a flashed number's digits fill most of the box and sit in its middle at
// 100 and 200 per cent, a taken-away term's minus is as tall a stroke as a digit's, "看珠"
// flashes on the full-size board with one rod more than the digits, and the pause after an
// answer shows a green √ or a red × beside the chain. Screenshots are kept as
// flash-<what>.png in the folder ABACUS_KEEP_SCREENSHOTS names, if any.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "appearance/colour_scheme.h"
#include "qt_trainer.h"

namespace {

// Rows and columns of a widget's picture that hold ink of a colour far from the background.
struct Ink {
    int top = -1;
    int bottom = -1;
    int left = -1;
    int right = -1;
    int height() const { return bottom - top + 1; }
};

// Where pixels near `colour` lie in `image`.
Ink inkOf(const QImage& image, QRgb colour) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int distance = std::abs(qRed(pixel) - qRed(colour)) +
                                 std::abs(qGreen(pixel) - qGreen(colour)) +
                                 std::abs(qBlue(pixel) - qBlue(colour));
            if (distance > 120) continue;
            if (ink.top < 0) ink.top = y;
            ink.bottom = y;
            ink.left = ink.left < 0 ? x : std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
        }
    }
    return ink;
}

struct FlashRoomView : ::testing::Test {
    FlashRoomView() {
        send(EventKind::Menu, "Form1_main", -1, "闪电心算…");
        if (trainer.view->practiceRoom() == nullptr) throw std::runtime_error("no room");
    }

    void send(EventKind kind, const std::string& name, int value = -1,
              const std::string& text = {}) {
        trainer.view->send(Event{kind, name, value, text});
    }

    QWidget& roomWidget(const std::string& name) const {
        QWidget* found =
            trainer.view->practiceRoom()->findChild<QWidget*>(QString::fromStdString(name));
        if (found == nullptr) throw std::runtime_error("no widget " + name);
        return *found;
    }

    // The widget as it paints itself, kept when screenshots are asked for.
    QImage shot(const std::string& name, const QString& what) {
        trainer.view->sync();
        QWidget& room = *trainer.view->practiceRoom();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&room));
        room.repaint();
        if (const char* folder = std::getenv("ABACUS_KEEP_SCREENSHOTS")) {
            room.grab().save(QDir(folder).filePath(QStringLiteral("flash-%1.png").arg(what)));
        }
        return roomWidget(name).grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Starts a set of `digits`-digit chains and ticks until the first number is on show.
    void flashFirstNumber(int digits) {
        send(EventKind::Choose, "drill.Combo2", digits - 1);
        send(EventKind::Click, "drill.Command1");
        send(EventKind::Tick, "drill.Timer1");
        ASSERT_EQ(trainer.window.drillState.phase, ChainPhase::Showing);
    }

    // Ticks through the rest of the chain to "？".
    void flashToQuestion() {
        for (int tick = 0; tick < 40 && trainer.window.drillState.phase != ChainPhase::Answering;
             ++tick) {
            send(EventKind::Tick, "drill.Timer1");
        }
        ASSERT_EQ(trainer.window.drillState.phase, ChainPhase::Answering);
    }

    void setZoom(int zoom) {
        trainer.window.state.zoomPercent = zoom;
        trainer.view->sync();
    }

    QtTrainer trainer;
    DrillForm& room = trainer.window.drill;
};

constexpr QRgb kNightBlue = qRgb(0, 0, 128);

TEST_F(FlashRoomView, DigitsFillMostOfTheBoxAndSitInItsMiddleAtEveryZoom) {
    for (const int zoom : {100, 200}) {
        setZoom(zoom);
        for (const int digits : {1, 4}) {
            flashFirstNumber(digits);
            const QString what = QStringLiteral("%1digit-%2").arg(digits).arg(zoom);
            const QImage box = shot("drill.Label1", what);
            const Ink ink = inkOf(box, kNightBlue);
            ASSERT_GE(ink.top, 0) << what.toStdString();
            const double centreOffset = (ink.top + ink.bottom) / 2.0 - (box.height() - 1) / 2.0;
            RecordProperty(what.toStdString() + "_digit_height_px", ink.height());
            RecordProperty(what.toStdString() + "_centre_offset_px",
                           static_cast<int>(std::lround(centreOffset)));
            EXPECT_GE(ink.height(), 0.6 * box.height()) << what.toStdString();
            // Round digits (0, 3, 6, 8, 9) overshoot the flat ones by a pixel or two at each end.
            EXPECT_LE(std::abs(centreOffset), 0.03 * box.height()) << what.toStdString();
            // Across, the caption is centred by the digits' advances; their ink may lean a little.
            EXPECT_LE(std::abs((ink.left + ink.right) / 2.0 - (box.width() - 1) / 2.0),
                      0.05 * ink.height())
                << what.toStdString();
            send(EventKind::Click, "drill.Command1");
        }
    }
}

TEST_F(FlashRoomView, ATakenAwayTermsMinusIsAsBoldAndWideAsADigit) {
    send(EventKind::Click, "drill.Command4");
    send(EventKind::Choose, "drill.Combo2", 0);
    send(EventKind::Choose, "drill.Combo3", 8);
    for (int tick = 0; tick < 400 && room.Label1.caption().rfind("−", 0) != 0; ++tick) {
        if (!trainer.window.drillState.setRunning) send(EventKind::Click, "drill.Command1");
        if (trainer.window.drillState.phase == ChainPhase::Answering) {
            send(EventKind::Click, "drill.Command1");
            continue;
        }
        send(EventKind::Tick, "drill.Timer1");
    }
    ASSERT_EQ(room.Label1.caption().rfind("−", 0), 0U);
    const QImage box = shot("drill.Label1", QStringLiteral("minus"));
    const Ink ink = inkOf(box, kNightBlue);
    ASSERT_GE(ink.left, 0);
    // Ink per column: the minus runs from the left edge of the ink to the first empty column.
    const auto columnInk = [&box](int x) {
        int count = 0;
        for (int y = 0; y < box.height(); ++y) {
            if (qBlue(box.pixel(x, y)) > 60 && qRed(box.pixel(x, y)) < 60) ++count;
        }
        return count;
    };
    int minusEnd = ink.left;
    int minusThickness = 0;
    while (minusEnd <= ink.right && columnInk(minusEnd) > 0) {
        minusThickness = std::max(minusThickness, columnInk(minusEnd));
        ++minusEnd;
    }
    const int minusWidth = minusEnd - ink.left;
    const int digitWidth = ink.right - minusEnd;
    EXPECT_GE(minusThickness, 0.08 * box.height());
    EXPECT_GE(minusWidth, 0.5 * digitWidth);
}

TEST_F(FlashRoomView, BeadsFlashOnABoardCentredInTheBoxWithOneRodMoreThanTheDigits) {
    send(EventKind::Click, "drill.Command5");
    for (const int zoom : {100, 200}) {
        setZoom(zoom);
        flashFirstNumber(3);
        shot("drill.Board", QStringLiteral("beads-%1").arg(zoom));
        const QRect box = roomWidget("drill.Label1").geometry();
        const QRect board = roomWidget("drill.Board").geometry();
        EXPECT_TRUE(box.contains(board)) << zoom << "%: the board stays inside the flash box";
        EXPECT_LE(std::abs(board.center().x() - box.center().x()), zoom / 50);
        EXPECT_LE(std::abs(board.center().y() - box.center().y()), zoom / 50);
        for (int rod = 0; rod < kRoomRods; ++rod) {
            const std::string upper = "drill.Upper(" + std::to_string(rod) + ")";
            EXPECT_EQ(roomWidget(upper).isVisible(), rod <= 3) << upper;
            if (rod <= 3) {
                EXPECT_TRUE(board.contains(roomWidget(upper).geometry())) << upper;
            }
        }
        const int term = trainer.window.drillState.terms.front();
        EXPECT_EQ(room.Board.caption(), std::to_string(term));
        EXPECT_EQ(room.Upper[0].caption(), term % 10 >= 5 ? "1" : "0");
        flashToQuestion();
        EXPECT_FALSE(roomWidget("drill.Board").isVisible());
        send(EventKind::Click, "drill.Command1");
    }
    // The bead drill's own board comes back at full size.
    send(EventKind::Menu, "Form1_main", -1, "拨珠练习…");
    trainer.view->sync();
    EXPECT_EQ(roomWidget("drill.Upper(0)").size(), QSize(120, 44)) << "full size at 200 %";
}

TEST_F(FlashRoomView, TheQuestionMarkIsCentredAndTheAnswerStaysReadableAfterIt) {
    for (const bool clear : {false, true}) {
        trainer.window.state.colourScheme = clear ? kClearColours : kDesignColours;
        flashFirstNumber(1);
        flashToQuestion();
        const QImage asked = shot("drill.Label1", QStringLiteral("question-mark"));
        const Ink mark = inkOf(asked, kNightBlue);
        ASSERT_GE(mark.left, 0);
        EXPECT_LE(std::abs((mark.left + mark.right) / 2.0 - asked.width() / 2.0), 3)
            << "the full-width question mark's ink, not its cell, is centred";
        send(EventKind::Type, "drill.Text1", -1, "12");
        send(EventKind::Key, "drill", -1, "Return");
        trainer.view->sync();
        const QWidget& answer = roomWidget("drill.Text1");
        ASSERT_FALSE(answer.isEnabled());
        const QColor text = answer.palette().color(QPalette::Disabled, QPalette::Text);
        const QColor ground = answer.palette().color(QPalette::Disabled, QPalette::Base);
        const auto rgb = [](const QColor& colour) {
            return Rgb{static_cast<std::uint8_t>(colour.red()),
                       static_cast<std::uint8_t>(colour.green()),
                       static_cast<std::uint8_t>(colour.blue())};
        };
        EXPECT_GE(contrastRatio(rgb(text), rgb(ground)), 4.5) << (clear ? "clear" : "design");
        send(EventKind::Click, "drill.Command1");
    }
}

TEST_F(FlashRoomView, ThePauseAfterAnAnswerShowsAGreenTickOrARedCrossBesideTheChain) {
    for (const bool right : {true, false}) {
        if (right) flashFirstNumber(1);
        flashToQuestion();
        const auto& terms = trainer.window.drillState.terms;
        int sum = 0;
        for (const int term : terms) sum += term;
        send(EventKind::Type, "drill.Text1", -1, std::to_string(right ? sum : sum + 1));
        send(EventKind::Key, "drill", -1, "Return");
        ASSERT_EQ(trainer.window.drillState.phase, ChainPhase::Paused);
        EXPECT_EQ(room.Label1.caption().substr(room.Label1.caption().rfind('=') + 1),
                  std::to_string(sum));
        const QImage mark = shot(
            "drill.Label8", right ? QStringLiteral("pause-right") : QStringLiteral("pause-wrong"));
        const Ink ink = inkOf(mark, right ? qRgb(0, 150, 0) : qRgb(192, 0, 0));
        EXPECT_GE(ink.height(), mark.height() / 3);
        const QImage chain = shot("drill.Label1", QStringLiteral("pause-chain"));
        const Ink chainInk = inkOf(chain, kNightBlue);
        EXPECT_LT(chainInk.right, chain.width() - roomWidget("drill.Label8").width());
        QWidget& next = roomWidget("drill.Command2");
        EXPECT_EQ(dynamic_cast<QAbstractButton&>(next).text(), "下一题 ↵");
        const QImage button = next.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb highlight = next.palette().color(QPalette::Highlight).rgb();
        EXPECT_EQ(inkOf(button, highlight).left, 0) << "the default button's frame";
        send(EventKind::Key, "drill", -1, "Return");
        EXPECT_EQ(room.Label1.caption(), "预备");
    }
}

}  // namespace
