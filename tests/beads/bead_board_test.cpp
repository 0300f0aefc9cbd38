// The drill's abacus: the number it shows and how clicks and keys move its beads.

#include "beads/bead_board.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

// A rod as five beads, upper first, each on the beam or away.
using Beads = std::array<bool, 5>;

Beads beadsOf(const BeadBoard& board, int rod) {
    Beads beads{};
    for (int bead = 0; bead < 5; ++bead) beads[bead] = beadAtBeam(board, rod, bead);
    return beads;
}

// A click as a real abacus takes it, bead by bead.
Beads clickedByHand(Beads beads, int bead) {
    if (bead == 0) {
        beads[0] = !beads[0];
    } else if (beads[bead]) {
        for (int k = bead; k <= 4; ++k) beads[k] = false;
    } else {
        for (int k = 1; k <= bead; ++k) beads[k] = true;
    }
    return beads;
}

TEST(BeadBoard, ShowsItsNumberAndCountsBeadsOnTheBeam) {
    const BeadBoard board = boardShowing(325);
    EXPECT_EQ(boardValue(board), 325);
    EXPECT_TRUE(beadAtBeam(board, 0, kUpperBead));
    EXPECT_FALSE(beadAtBeam(board, 0, 1));
    EXPECT_TRUE(beadAtBeam(board, 1, 2));
    EXPECT_FALSE(beadAtBeam(board, 1, 3));
    EXPECT_TRUE(beadAtBeam(board, 2, 3));
    EXPECT_FALSE(beadAtBeam(board, 2, kUpperBead));
    EXPECT_EQ(boardValue(BeadBoard{}), 0);
    EXPECT_EQ(boardValue(boardShowing(9999999)), 9999999);
    std::mt19937 generator(7);
    std::uniform_int_distribution<std::int32_t> value(0, 9999999);
    for (int i = 0; i < 2000; ++i) {
        const std::int32_t shown = value(generator);
        EXPECT_EQ(boardValue(boardShowing(shown)), shown);
    }
}

TEST(BeadBoard, EveryClickOnEveryRodStateMovesTheBeadsAsOnARealAbacus) {
    for (int digit = 0; digit <= 9; ++digit) {
        for (int rod = 0; rod < kBoardRods; ++rod) {
            BeadBoard start = boardShowing(3141592);
            start.rods[rod] = boardShowing(digit).rods[0];
            for (int bead = 0; bead <= kLowerBeads; ++bead) {
                SCOPED_TRACE(testing::Message() << digit << " rod " << rod << " bead " << bead);
                const BeadBoard after = clickBead(start, rod, bead);
                EXPECT_EQ(beadsOf(after, rod), clickedByHand(beadsOf(start, rod), bead));
                for (int other = 0; other < kBoardRods; ++other) {
                    if (other != rod) {
                        EXPECT_EQ(after.rods[other], start.rods[other]);
                    }
                }
            }
        }
    }
}

TEST(BeadBoard, KeysMoveOneBeadAtATimeAndStopAtTheEnds) {
    BeadBoard board;
    for (int press = 1; press <= 6; ++press) {
        board = keyMove(board, 3, BeadKey::LowerToBeam);
        EXPECT_EQ(boardValue(board), std::min(press, 4) * 1000);
    }
    board = keyMove(board, 3, BeadKey::UpperToBeam);
    EXPECT_EQ(boardValue(board), 9000);
    EXPECT_EQ(keyMove(board, 3, BeadKey::UpperToBeam), board);
    board = keyMove(board, 3, BeadKey::LowerAway);
    EXPECT_EQ(boardValue(board), 8000);
    board = keyMove(keyMove(board, 3, BeadKey::UpperAway), 0, BeadKey::UpperToBeam);
    EXPECT_EQ(boardValue(board), 3005);
    for (int press = 0; press < 4; ++press) board = keyMove(board, 3, BeadKey::LowerAway);
    EXPECT_EQ(boardValue(board), 5);
    EXPECT_EQ(keyMove(board, 0, BeadKey::LowerAway), board);
}

}  // namespace
