#include "paper/paper_record.h"

#include <cstddef>
#include <optional>

#include "engine/text_number.h"

namespace {

// The record index of paperQuestionNumber; nothing outside 1..100, which the fixed list of
// question totals never reaches.
std::optional<std::size_t> recordIndex(const TrainingState& state) {
    if (state.paperQuestionNumber < 1 || state.paperQuestionNumber > kMostPaperQuestions) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(state.paperQuestionNumber);
}

}  // namespace

void dddd(WindowContext& window) {
    TrainingState& state = window.state;
    const auto index = recordIndex(state);
    if (!index) return;
    state.paperAnswers[*index] = saturatedTo<std::int16_t>(state.paperAnswer);
    state.paperRemainders[*index] = state.paperRemainder;
}

void ddddc(WindowContext& window) {
    TrainingState& state = window.state;
    const auto index = recordIndex(state);
    state.paperAnswer = index ? state.paperAnswers[*index] : 0;
}

void ddddd(WindowContext& window) {
    TrainingState& state = window.state;
    const auto index = recordIndex(state);
    state.paperRemainder = index ? state.paperRemainders[*index] : std::int16_t{0};
}
