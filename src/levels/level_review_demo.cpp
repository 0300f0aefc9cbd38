#include "levels/level_review_demo.h"

#include "input/keypad_menu.h"
#include "levels/level_question_box.h"
#include "levels/level_review.h"

namespace {

constexpr char kTimes[] = "×";
constexpr char kRunUnderWay[] = "主窗口正在练习，练完再演示这道题";
constexpr char kTooLarge[] = "这道题太大，算盘上演示不下";

// The review's question the chosen line of the room's list names, or nullptr.
const ReviewedQuestion* chosenQuestion(const WindowContext& window) {
    const Element& list = window.drill.List1;
    if (list.listIndex < 0) return nullptr;
    const auto index = static_cast<std::size_t>(list.listIndex);
    if (index >= list.items.size()) return nullptr;
    for (const ReviewedQuestion& question : window.drillState.reviewedQuestions) {
        if (question.lineIndex == index && question.line == list.items[index]) return &question;
    }
    return nullptr;
}

// The multiplication the chosen line of the room's list names, or nullptr.
const ReviewedQuestion* chosenProduct(const WindowContext& window) {
    const ReviewedQuestion* question = chosenQuestion(window);
    return question != nullptr && question->product ? question : nullptr;
}

// True while a level test or its redo takes answers.
bool answering(const WindowContext& window) {
    return window.drillState.levelTest.running || window.drillState.levelRedo.running;
}

}  // namespace

void keepReviewedQuestion(WindowContext& window, std::size_t lineIndex, const std::string& line,
                          const StoredLevelQuestion& question, const ProductQuestion* product) {
    window.drillState.reviewedQuestions.push_back(
        {lineIndex, line, question.question, question.typedAnswer, question.rightAnswer,
         product != nullptr, product != nullptr ? product->first : 0,
         product != nullptr ? product->second : 0});
}

void offerReviewDemonstration(WindowContext& window) {
    window.drill.Command9.enabled = chosenProduct(window) != nullptr && !answering(window);
}

void drill_List1_Click(WindowContext& window) {
    offerReviewDemonstration(window);
    const ReviewedQuestion* question = chosenQuestion(window);
    if (question == nullptr || answering(window)) return;
    showJudgedLevelQuestion(
        window,
        judgedLevelQuestionLines(question->written, question->typedAnswer, question->rightAnswer),
        false);
}

void drill_List1_DblClick(WindowContext& window) {
    if (window.drill.Command9.enabled && window.drill.Command9.visible) {
        drill_Command9_Click(window);
    }
}

void drill_Command9_Click(WindowContext& window) {
    const ReviewedQuestion* product = chosenProduct(window);
    if (product == nullptr || answering(window)) return;
    if (demonstrateGivenQuestion(window, kTimes, product->first, product->second)) {
        window.drill.Label9.setCaption("");
        return;
    }
    window.drill.Label9.setCaption(window.state.runActive == "1" ? kRunUnderWay : kTooLarge);
}
