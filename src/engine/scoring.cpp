#include "engine/scoring.h"

#include <string>

#include "engine/text_number.h"
#include "sound/play_clip.h"

namespace {

constexpr char kRightVerdict[] = "√";
constexpr char kNormalQuestions[] = "正  常";
constexpr std::int16_t kRightAnswerClip = 105;
constexpr std::int16_t kWrongAnswerClip = 104;

// The question as the record line shows it: the blank term in brackets, except the result
// of a normal question; empty for an unknown blank position.
std::string recordedQuestion(const MainForm& form, std::int16_t blankPosition) {
    const std::string& first = form.Label11.caption();
    const std::string& sign = form.Label12.caption();
    const std::string& second = form.Label13.caption();
    const std::string& result = form.Label15.caption();
    switch (blankPosition) {
        case 1:
            if (form.Command6.caption() == kNormalQuestions) {
                return first + sign + second + "=" + result;
            }
            return first + sign + second + "=(" + result + ")";
        case 2:
            return first + sign + "(" + second + ")" + "=" + result;
        case 3:
            return "(" + first + ")" + sign + second + "=" + result;
        default:
            return {};
    }
}

}  // namespace

void updateScore(WindowContext& window) {
    TrainingState& state = window.state;
    if (state.questionTotal > 0) {
        const double perCent = state.rightCount * 100.0 / state.questionTotal;
        state.score = saturatedTo<std::int16_t>(roundHalfEven(perCent));
    } else {
        state.score = 0;
    }
    window.form.Label26.setCaption(plainNumber(state.score));
}

void appendRecordLine(WindowContext& window) {
    TrainingState& state = window.state;
    const std::string question = recordedQuestion(window.form, state.blankPosition);
    if (!question.empty()) {
        window.form.List1.addItem(" " + state.answeredText + ")" + state.correctionPrefix +
                                  question + state.logGap + state.lastVerdict +
                                  state.correctionText + state.practiceWrongTag);
        window.form.List1.showLinesFrom(window.form.List1.items.size() - 1);
    }
    state.practiceWrongTag.clear();
    state.practiceWrongCount = 0;
}

void playVerdictClip(WindowContext& window) {
    if (!soundCuesOn(window)) return;
    playClip(window,
             window.state.lastVerdict == kRightVerdict ? kRightAnswerClip : kWrongAnswerClip);
}
