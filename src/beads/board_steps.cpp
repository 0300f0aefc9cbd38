#include "beads/board_steps.h"

#include "demonstration/bead_rhymes.h"

std::vector<BoardStep> boardSteps(const BeadQuestion& question) {
    std::vector<BoardStep> steps;
    for (BeadStep& step : beadSteps(question.first, question.subtract, question.second)) {
        steps.push_back({step.place, std::move(step.rhyme), boardShowing(step.rowValue)});
    }
    return steps;
}
