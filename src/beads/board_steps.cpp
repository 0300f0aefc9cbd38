#include "beads/board_steps.h"

#include "demonstration/bead_rhymes.h"
#include "demonstration/division_steps.h"
#include "demonstration/multiplication_steps.h"

namespace {

constexpr char kRhymeGap[] = " ";

// Every step of the question as the demonstration shows it, times-table lines included.
std::vector<BeadStep> workedSteps(const BeadQuestion& question, QuotientTrial trial) {
    if (!question.products) return beadSteps(question.first, question.subtract, question.second);
    if (question.subtract) return divisionSteps(question.first, question.second, trial, kBoardRods);
    return multiplicationSteps(question.first, question.second, kBoardRods);
}

}  // namespace

static_assert(kBoardRods == kWorkingRods, "the drill works questions on all its rods");

std::vector<BoardStep> boardSteps(const BeadQuestion& question, QuotientTrial trial) {
    std::vector<BoardStep> steps;
    for (BeadStep& step : workedSteps(question, trial)) {
        if (!step.movesBeads) continue;
        std::string rhyme = step.tableRhyme.empty() ? std::move(step.rhyme)
                                                    : step.tableRhyme + kRhymeGap + step.rhyme;
        steps.push_back({step.place, std::move(rhyme), boardShowing(step.rowValue)});
    }
    return steps;
}
