#include "soak_bead_room.h"

#include <cstddef>

#include "beads/bead_room.h"
#include "beads/board_steps.h"
#include "beads/move_judgement.h"
#include "engine/text_number.h"

namespace {

constexpr char kBeadItem[] = "拨珠练习…";
constexpr const char* kRoomKeys[] = {"Left",      "Right", "Up",    "Down",  "Page_Up",
                                     "Page_Down", "Left",  "Right", "Escape"};
constexpr const char* kRoomLists[] = {"drill.Combo2", "drill.Combo5", "drill.Combo6"};

// The question on the board.
BeadQuestion questionOf(const BeadDrillState& beads) {
    return beadQuestion(beads.first, beads.subtract, beads.second, beads.products);
}

// The name an event gives a bead: "drill.Upper(3)", "drill.Lower2(0)".
std::string beadName(int rod, int bead) {
    const std::string array = bead == kUpperBead ? "Upper" : "Lower" + std::to_string(bead);
    return "drill." + array + "(" + std::to_string(rod) + ")";
}

// A click on a bead that the step being worked moves; any bead when there is none.
std::string beadTowardStep(const WindowContext& window, SoakRandom& random) {
    const BeadDrillState& beads = window.drillState.beads;
    const std::vector<BoardStep> steps = boardSteps(
        questionOf(beads), beads.directQuotient ? QuotientTrial::Direct : QuotientTrial::Estimate);
    const BeadBoard board = shownBoard(window.drill);
    std::vector<std::string> right;
    if (window.drillState.setRunning && beads.step < static_cast<int>(steps.size())) {
        const BeadBoard& target = steps[static_cast<std::size_t>(beads.step)].target;
        for (int rod = 0; rod < kBoardRods; ++rod) {
            for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
                if (judgeMove(board, clickBead(board, rod, bead), target) != MoveVerdict::Wrong) {
                    right.push_back(beadName(rod, bead));
                }
            }
        }
    }
    if (right.empty()) {
        return beadName(static_cast<int>(random.below(kBoardRods)),
                        static_cast<int>(random.below(kLowerBeads + 1)));
    }
    return right[random.below(right.size())];
}

// True when every bead of `board` stands where `from` or `to` has it.
bool between(const BeadBoard& board, const BeadBoard& from, const BeadBoard& to) {
    for (int rod = 0; rod < kBoardRods; ++rod) {
        for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
            const bool here = beadAtBeam(board, rod, bead);
            if (here != beadAtBeam(from, rod, bead) && here != beadAtBeam(to, rod, bead)) {
                return false;
            }
        }
    }
    return true;
}

// Says which bead is marked though the step being worked does not move it, if any.
std::optional<std::string> strayMark(const WindowContext& window, const BeadBoard& board,
                                     const std::vector<BoardStep>& steps) {
    const BeadDrillState& beads = window.drillState.beads;
    const bool working = beads.step < static_cast<int>(steps.size());
    for (int rod = 0; rod < kBoardRods; ++rod) {
        for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
            const auto place = static_cast<std::size_t>(rod);
            const Element& element =
                bead == kUpperBead ? window.drill.Upper[place]
                                   : window.drill.Lower[static_cast<std::size_t>(bead - 1)][place];
            if (!element.marked) continue;
            const BeadBoard* target =
                working ? &steps[static_cast<std::size_t>(beads.step)].target : nullptr;
            if (!target || beadAtBeam(board, rod, bead) == beadAtBeam(*target, rod, bead)) {
                return beadName(rod, bead) +
                       " is marked but the step being worked does not move it";
            }
        }
    }
    return std::nullopt;
}

}  // namespace

bool beadRoomOpen(const WindowContext& window) {
    return window.drill.drill.visible && window.drillState.kind == DrillKind::Beads;
}

SoakAction openBeadRoom() { return SoakAction::menu(kBeadItem); }

SoakAction beadRoomAction(const WindowContext& window, SoakRandom& random) {
    const std::uint64_t draw = random.below(100);
    if (draw < 60) return SoakAction::click(beadTowardStep(window, random));
    if (draw < 75) {
        return SoakAction::click(beadName(static_cast<int>(random.below(kBoardRods)),
                                          static_cast<int>(random.below(kLowerBeads + 1))));
    }
    if (draw < 86) return SoakAction::roomKey(random.pick(kRoomKeys));
    if (draw < 90) return SoakAction::click("drill.BeadNext");
    if (draw < 96) return SoakAction::click("drill.Command1");
    const std::string list = random.pick(kRoomLists);
    const Element* element = window.drill.find(list.substr(6));
    return SoakAction::choose(list, static_cast<long long>(random.below(element->items.size())));
}

std::optional<std::string> checkBeadBoard(const WindowContext& window) {
    const DrillForm& room = window.drill;
    for (int rod = 0; rod < kBoardRods; ++rod) {
        for (int bead = 2; bead <= kLowerBeads; ++bead) {
            const auto place = static_cast<std::size_t>(rod);
            if (room.Lower[static_cast<std::size_t>(bead - 1)][place].caption() == "1" &&
                room.Lower[static_cast<std::size_t>(bead - 2)][place].caption() != "1") {
                return "lower bead " + std::to_string(bead) + " of rod " + std::to_string(rod) +
                       " is at the beam but the bead below it is not";
            }
        }
    }
    const BeadBoard board = shownBoard(room);
    if (room.Board.caption() != plainNumber(boardValue(board))) {
        return "drill.Board shows '" + room.Board.caption() + "' but its beads show " +
               plainNumber(boardValue(board));
    }
    const bool running = window.drillState.kind == DrillKind::Beads && window.drillState.setRunning;
    const BeadQuestion question = questionOf(window.drillState.beads);
    const std::vector<BoardStep> steps =
        running
            ? boardSteps(question, window.drillState.beads.directQuotient ? QuotientTrial::Direct
                                                                          : QuotientTrial::Estimate)
            : std::vector<BoardStep>{};
    if (const auto mark = strayMark(window, board, steps)) return mark;
    if (!running) return std::nullopt;
    BeadBoard from = boardShowing(startingValue(question));
    for (const BoardStep& step : steps) {
        if (between(board, from, step.target)) return std::nullopt;
        from = step.target;
    }
    return "the board shows " + plainNumber(boardValue(board)) + ", off the way from " +
           plainNumber(startingValue(question)) + " to " + answerText(question);
}
