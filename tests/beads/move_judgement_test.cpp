// Judging bead moves: a child who only makes right moves works every drawn question to its
// answer, and every other click on the way is refused.

#include "beads/move_judgement.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

#include "beads/board_steps.h"
#include "beads/rhyme_groups.h"
#include "engine/uniform_random.h"

namespace {

constexpr int kSeeds = 40;
constexpr int kMovesPerStep = 2 * (kLowerBeads + 1) * kBoardRods;

// A click on one bead of one rod.
struct Click {
    int rod = 0;
    int bead = 0;
};

// What this test expects of a click: right when the rod it touches moves only toward the
// step's target, the upper bead where it must change, the lower count between its count before
// and its target count.
MoveVerdict expectedVerdict(const BeadBoard& before, const Click& click, const BeadBoard& target) {
    const RodBeads& from = before.rods[click.rod];
    const RodBeads& to = target.rods[click.rod];
    const BeadBoard after = clickBead(before, click.rod, click.bead);
    const RodBeads now = after.rods[click.rod];
    const bool right =
        click.bead == kUpperBead
            ? from.upperAtBeam != to.upperAtBeam
            : (from.lowerAtBeam < now.lowerAtBeam && now.lowerAtBeam <= to.lowerAtBeam) ||
                  (from.lowerAtBeam > now.lowerAtBeam && now.lowerAtBeam >= to.lowerAtBeam);
    if (!right) return MoveVerdict::Wrong;
    return after == target ? MoveVerdict::StepComplete : MoveVerdict::Right;
}

// The key a child presses to move one bead of a rod toward the target, if the rod needs one.
std::optional<BeadKey> keyToward(const RodBeads& from, const RodBeads& to) {
    if (from.upperAtBeam != to.upperAtBeam) {
        return to.upperAtBeam ? BeadKey::UpperToBeam : BeadKey::UpperAway;
    }
    if (from.lowerAtBeam != to.lowerAtBeam) {
        return from.lowerAtBeam < to.lowerAtBeam ? BeadKey::LowerToBeam : BeadKey::LowerAway;
    }
    return std::nullopt;
}

// What the board shows once the question is worked: the answer, or a division's quotient with
// an empty rod between it and the remainder.
std::int32_t endingValue(const BeadQuestion& question) {
    if (!question.products || !question.subtract) return question.answer;
    std::int32_t shifted = question.answer * 10;
    for (std::int32_t divisor = question.second; divisor > 0; divisor /= 10) shifted *= 10;
    return shifted + question.remainder;
}

TEST(MoveJudgement, ChildrenMakingRightMovesReachEveryAnswerAndWrongClicksAreRefused) {
    for (int group = 0; group < kRhymeGroups; ++group) {
        for (int digits = 1; digits <= 4; ++digits) {
            for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
                UniformRandom random(seed);
                const BeadQuestion question = drawBeadQuestion(random, group, digits);
                std::mt19937 child(seed);
                BeadBoard board = boardShowing(startingValue(question));
                for (const BoardStep& step : boardSteps(question)) {
                    SCOPED_TRACE(testing::Message() << question.first << ' ' << step.rhyme);
                    for (int moves = 0; board != step.target; ++moves) {
                        ASSERT_LT(moves, kMovesPerStep);
                        std::vector<Click> right;
                        int wrong = 0;
                        for (int rod = 0; rod < kBoardRods; ++rod) {
                            for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
                                const Click click{rod, bead};
                                const MoveVerdict expected =
                                    expectedVerdict(board, click, step.target);
                                ASSERT_EQ(
                                    judgeMove(board, clickBead(board, rod, bead), step.target),
                                    expected)
                                    << "rod " << rod << " bead " << bead;
                                if (expected == MoveVerdict::Wrong) {
                                    ++wrong;
                                } else {
                                    right.push_back(click);
                                }
                            }
                        }
                        ASSERT_FALSE(right.empty());
                        ASSERT_GT(wrong, 0);
                        const Click& chosen = right[child() % right.size()];
                        const std::optional<BeadKey> key =
                            keyToward(board.rods[chosen.rod], step.target.rods[chosen.rod]);
                        ASSERT_TRUE(key.has_value());
                        if (child() % 3 == 0) {
                            const BeadBoard after = keyMove(board, chosen.rod, *key);
                            ASSERT_NE(judgeMove(board, after, step.target), MoveVerdict::Wrong);
                            board = after;
                        } else {
                            board = clickBead(board, chosen.rod, chosen.bead);
                        }
                    }
                }
                EXPECT_EQ(boardValue(board), endingValue(question));
            }
        }
    }
}

TEST(MoveJudgement, AStepsBeadsMoveInAnyOrderButNeverPastOrElsewhere) {
    const BeadBoard four = boardShowing(4);
    const BeadBoard seven = boardShowing(7);
    const BeadBoard fiveDown = clickBead(four, 0, kUpperBead);
    EXPECT_EQ(judgeMove(four, fiveDown, seven), MoveVerdict::Right);
    EXPECT_EQ(judgeMove(fiveDown, clickBead(fiveDown, 0, 3), seven), MoveVerdict::StepComplete);
    const BeadBoard twoAway = clickBead(four, 0, 3);
    EXPECT_EQ(judgeMove(four, twoAway, seven), MoveVerdict::Right);
    EXPECT_EQ(judgeMove(twoAway, clickBead(twoAway, 0, kUpperBead), seven),
              MoveVerdict::StepComplete);
    EXPECT_EQ(judgeMove(four, clickBead(four, 0, 2), seven), MoveVerdict::Wrong);
    EXPECT_EQ(judgeMove(four, clickBead(four, 1, 1), seven), MoveVerdict::Wrong);
    EXPECT_EQ(judgeMove(four, keyMove(four, 0, BeadKey::LowerToBeam), seven), MoveVerdict::Wrong);
    EXPECT_EQ(judgeMove(fiveDown, keyMove(fiveDown, 0, BeadKey::UpperToBeam), seven),
              MoveVerdict::Wrong);
    EXPECT_EQ(judgeMove(fiveDown, keyMove(fiveDown, 0, BeadKey::LowerAway), seven),
              MoveVerdict::Right);
}

}  // namespace
