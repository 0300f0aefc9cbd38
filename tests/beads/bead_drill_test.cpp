// The bead drill in the practice room, driven through dispatch as the window drives it: a child
// who clicks mostly right and now and then anywhere, works every group's sets to their end, every
// wrong click undone with its step's rhyme; the keys move one bead of the framed rod at a time.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "beads/bead_room.h"
#include "beads/board_steps.h"
#include "beads/move_judgement.h"
#include "beads/rhyme_groups.h"
#include "support/headless_window.h"

namespace {

constexpr int kSeeds = 6;
constexpr int kQuestionsPerSet = 5;  // Combo5 item 1
constexpr int kMostClicks = 400;     // per question, far above what a right child needs

// The event name of a bead.
std::string beadName(int rod, int bead) {
    const std::string array = bead == kUpperBead ? "Upper" : "Lower" + std::to_string(bead);
    return "drill." + array + "(" + std::to_string(rod) + ")";
}

// A click that the step ending on `target` accepts, drawn by `child` among all such clicks.
std::pair<int, int> rightClick(const BeadBoard& board, const BeadBoard& target,
                               std::mt19937& child) {
    std::vector<std::pair<int, int>> right;
    for (int rod = 0; rod < kBoardRods; ++rod) {
        for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
            if (judgeMove(board, clickBead(board, rod, bead), target) != MoveVerdict::Wrong) {
                right.emplace_back(rod, bead);
            }
        }
    }
    return right.at(child() % right.size());
}

class BeadDrill : public ::testing::Test {
  protected:
    void SetUp() override {
        trainer.load();
        menu("拨珠练习…");
    }
    void menu(const std::string& item) {
        dispatch(trainer.window, Event{EventKind::Menu, "Form1_main", -1, item});
    }
    void key(const std::string& name) {
        dispatch(trainer.window, Event{EventKind::Key, "drill", -1, name});
    }
    BeadBoard board() const { return shownBoard(room); }
    // The names of the beads marked on the board.
    std::set<std::string> markedBeads() const {
        std::set<std::string> names;
        for (int rod = 0; rod < kBoardRods; ++rod) {
            for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
                const Element& element =
                    bead == kUpperBead ? room.Upper[rod] : room.Lower[bead - 1][rod];
                if (element.marked) names.insert(beadName(rod, bead));
            }
        }
        return names;
    }
    // The names of the beads standing elsewhere on the two boards.
    static std::set<std::string> beadsApart(const BeadBoard& from, const BeadBoard& to) {
        std::set<std::string> names;
        for (int rod = 0; rod < kBoardRods; ++rod) {
            for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
                if (beadAtBeam(from, rod, bead) != beadAtBeam(to, rod, bead)) {
                    names.insert(beadName(rod, bead));
                }
            }
        }
        return names;
    }
    BeadQuestion question() const {
        const BeadDrillState& beads = trainer.window.drillState.beads;
        return beadQuestion(beads.first, beads.subtract, beads.second, beads.products);
    }

    HeadlessWindow trainer;
    DrillForm& room = trainer.window.drill;
};

TEST_F(BeadDrill, RandomChildrenFinishEverySetAndNoWrongClickEverShows) {
    for (int group = 0; group < kRhymeGroups; ++group) {
        for (int digits = 1; digits <= 4; ++digits) {
            trainer.choose("drill.Combo6", group);
            trainer.choose("drill.Combo2", digits - 1);
            trainer.choose("drill.Combo5", 1);
            for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
                std::mt19937 child(seed * 100 + static_cast<std::uint32_t>(group * 10 + digits));
                const std::size_t linesBefore = room.List1.items.size();
                trainer.click("drill.Command1");
                int wrongInSet = 0;
                for (int number = 1; number <= kQuestionsPerSet; ++number) {
                    const BeadQuestion asked = question();
                    SCOPED_TRACE(testing::Message() << rhymeGroupName(group) << ' ' << asked.first
                                                    << ' ' << asked.second);
                    EXPECT_EQ(room.Label6.caption(), questionCaption(asked));
                    EXPECT_EQ(boardValue(board()), startingValue(asked));
                    EXPECT_EQ(asked.products, isProductGroup(group));
                    if (group == kOneDigitDivide || group == kTwoDigitDivide) {
                        EXPECT_EQ(asked.remainder != 0, number > 3);  // exact ones first
                    }
                    const std::vector<BoardStep> steps = boardSteps(asked);
                    const std::size_t doneLines = linesBefore + number;
                    std::size_t step = 0;
                    int wrong = 0;
                    for (int clicks = 0; room.List1.items.size() < doneLines; ++clicks) {
                        ASSERT_LT(clicks, kMostClicks);
                        ASSERT_LT(step, steps.size());
                        const BeadBoard before = board();
                        int rod = static_cast<int>(child() % kBoardRods);
                        int bead = static_cast<int>(child() % (kLowerBeads + 1));
                        if (child() % 4 != 0) {
                            const auto [rightRod, rightBead] =
                                rightClick(before, steps[step].target, child);
                            rod = rightRod;
                            bead = rightBead;
                        }
                        const BeadBoard after = clickBead(before, rod, bead);
                        const bool right =
                            judgeMove(before, after, steps[step].target) != MoveVerdict::Wrong;
                        const std::size_t sounds = trainer.sound.played.size();
                        trainer.click(beadName(rod, bead));
                        if (!right) {
                            ++wrong;
                            EXPECT_EQ(board(), before);
                            EXPECT_EQ(room.Label3.caption(), steps[step].rhyme);
                            ASSERT_EQ(trainer.sound.played.size(), sounds + 1);
                            EXPECT_EQ(trainer.sound.played.back(), 104);
                            EXPECT_EQ(markedBeads(), beadsApart(before, steps[step].target));
                            continue;
                        }
                        if (room.List1.items.size() >= doneLines) break;
                        EXPECT_EQ(board(), after);
                        for (const std::string& marked : markedBeads()) {
                            EXPECT_TRUE(beadsApart(after, steps[step].target).count(marked))
                                << marked << " stays marked though it has moved";
                        }
                        if (after != steps[step].target) continue;
                        EXPECT_EQ(room.Label3.caption(), steps[step].rhyme + " √");
                        EXPECT_EQ(trainer.sound.played.back(), 112);
                        ++step;
                    }
                    EXPECT_EQ(step + 1, steps.size());
                    wrongInSet += wrong;
                    ASSERT_GE(room.List1.items.size(), doneLines);
                    // The finished board is held with its "√" and its last rhyme, nothing
                    // marked, until the child asks for the next question with Return.
                    EXPECT_EQ(board(), steps.back().target);
                    EXPECT_TRUE(room.BeadCheck.visible);
                    EXPECT_EQ(room.BeadNext.visible, number < kQuestionsPerSet);
                    EXPECT_TRUE(markedBeads().empty());
                    EXPECT_EQ(room.Label6.caption(), questionCaption(asked));
                    EXPECT_EQ(room.Label3.caption(), steps.back().rhyme + " √");
                    if (number < kQuestionsPerSet) {
                        trainer.click(beadName(0, kUpperBead));
                        EXPECT_EQ(board(), steps.back().target) << "a held board takes no click";
                    }
                    dispatch(trainer.window, Event{EventKind::Key, "drill", -1, "Return"});
                    EXPECT_EQ(room.BeadCheck.visible, number == kQuestionsPerSet);
                    EXPECT_FALSE(room.BeadNext.visible);
                    if (number < kQuestionsPerSet) {
                        EXPECT_EQ(room.Label3.caption(), "") << "no rhyme of the question before";
                    }
                    EXPECT_EQ(room.List1.items[doneLines - 1],
                              "第" + std::to_string(number) + "题 " + questionText(asked) + "=" +
                                  answerText(asked) + " 错" + std::to_string(wrong) + "次 √");
                }
                ASSERT_EQ(room.List1.items.size(), linesBefore + kQuestionsPerSet + 1);
                EXPECT_EQ(room.List1.items.back(),
                          "共5题 错" + std::to_string(wrongInSet) + "次 用时0秒");
                EXPECT_EQ(room.Command1.caption(), "开  始");
            }
        }
    }
}

TEST_F(BeadDrill, KeysMoveOneBeadOfTheFramedRodAndTheRoomSwapsItsElements) {
    EXPECT_FALSE(room.Label1.visible);
    EXPECT_FALSE(room.Command2.visible);
    EXPECT_TRUE(room.Board.visible);
    EXPECT_TRUE(room.Lower[3][6].visible);
    EXPECT_EQ(room.drill.caption(), "练习室 · 拨珠练习");

    const int frameAtUnits = room.RodFrame.left;
    key("Right");
    EXPECT_EQ(room.RodFrame.left, frameAtUnits);
    for (int press = 0; press < 9; ++press) key("Left");
    EXPECT_EQ(trainer.window.drillState.beads.rod, 6);
    EXPECT_LT(room.RodFrame.left, frameAtUnits);
    for (int press = 0; press < 4; ++press) key("Right");

    // Between sets the board is free to play with, one bead a key.
    const std::vector<std::pair<std::string, int>> presses = {
        {"Up", 100},      {"Up", 200},      {"Page_Down", 700}, {"Down", 600},
        {"Page_Up", 100}, {"Page_Up", 100}, {"Down", 0},        {"Down", 0}};
    for (const auto& [name, shown] : presses) {
        key(name);
        EXPECT_EQ(room.Board.caption(), std::to_string(shown)) << name;
    }
    trainer.click("drill.Lower3(1)");
    EXPECT_EQ(room.Board.caption(), "30");
    EXPECT_EQ(room.Lower[1][1].caption(), "1");

    // During a question each key is judged like a click: a wrong one changes nothing.
    trainer.choose("drill.Combo6", kDirectAdd);
    trainer.click("drill.Command1");
    const BeadQuestion asked = question();
    const BoardStep first = boardSteps(asked).front();
    EXPECT_EQ(trainer.window.drillState.beads.rod, first.place);
    const RodBeads from = board().rods[first.place];
    const RodBeads to = first.target.rods[first.place];
    const std::string wrongKey = to.lowerAtBeam > from.lowerAtBeam ? "Down" : "Up";
    const BeadBoard before = board();
    key(wrongKey);
    EXPECT_EQ(board(), before);
    if (keyMove(before, first.place,
                wrongKey == "Down" ? BeadKey::LowerAway : BeadKey::LowerToBeam) != before) {
        EXPECT_EQ(room.Label3.caption(), first.rhyme);
    }
    for (int press = 0; press < 8 && board() != first.target; ++press) {
        const RodBeads now = board().rods[first.place];
        key(now.upperAtBeam != to.upperAtBeam  ? "Page_Down"
            : now.lowerAtBeam < to.lowerAtBeam ? "Up"
                                               : "Down");
        if (boardSteps(asked).size() == 1 && !room.List1.items.empty()) break;
    }
    if (boardSteps(asked).size() > 1) {
        EXPECT_EQ(board(), first.target);
        EXPECT_EQ(room.Label3.caption(), first.rhyme + " √");
    } else {
        EXPECT_EQ(room.List1.items.size(), 1u);
    }

    // Back on the flash drill its elements come back and the board goes.
    key("Escape");
    menu("闪电心算…");
    EXPECT_TRUE(room.Label1.visible);
    EXPECT_TRUE(room.Command2.visible);
    EXPECT_FALSE(room.Board.visible);
    EXPECT_FALSE(room.Upper[0].visible);
}

}  // namespace
