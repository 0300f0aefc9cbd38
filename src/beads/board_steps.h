#pragma once
// The rhyme steps of a drill question as boards: where the beads stand once each step is done.

#include <string>
#include <vector>

#include "beads/bead_board.h"
#include "beads/bead_question.h"
#include "demonstration/division_steps.h"

// One step: the rod it changes, the rhyme said while moving its beads (after the times-table
// line whose product it adds or takes away: "三七二十一 二上二"), the board after it.
struct BoardStep {
    int place = 0;
    std::string rhyme;
    BeadBoard target;
    bool operator==(const BoardStep&) const = default;
};

// The bead moves the demonstration shows for the question, in order, each carry and borrow a
// step of its own and a division's quotient digits put on their rods, found by `trial` (a 退商
// or 补商 a step of its own, and each move giving back or taking away); empty when a term or
// the answer needs more than the board's rods, which no drawn question does.
std::vector<BoardStep> boardSteps(const BeadQuestion& question,
                                  QuotientTrial trial = QuotientTrial::Estimate);
