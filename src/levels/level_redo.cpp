#include "levels/level_redo.h"

#include <set>

#include "drill/room_lines.h"
#include "levels/level_question_box.h"
#include "levels/level_review.h"
#include "levels/level_table.h"
#include "levels/level_test.h"

namespace {

constexpr char kRedoTitle[] = "重做错题";
constexpr char kNothingToRedo[] = "错题本里没有等级考试的错题。";
constexpr char kDigitsOnlyHint[] = "请只填数字，例如 380";
constexpr char kUnanswered[] = "未答";
constexpr char kAnswerButton[] = "确定";

// The book's level questions, newest first, each once, at most one item's worth.
std::vector<WrongQuestion> levelQuestionsToRedo(WindowContext& window) {
    std::vector<WrongQuestion> questions;
    std::set<std::string> asked;
    for (WrongQuestion& entry :
         window.services.history.wrongQuestionsOf(window.drillState.learner)) {
        if (entry.level < 0 || askedLevelQuestionLines(entry.question.firstTerm).empty()) continue;
        if (!asked.insert(entry.question.firstTerm + "=" + entry.question.rightAnswer).second) {
            continue;
        }
        questions.push_back(std::move(entry));
        if (questions.size() == static_cast<std::size_t>(kQuestionsPerItem)) break;
    }
    return questions;
}

// Shows the question on show in the list, with its number above the answer box.
void askRedoQuestion(WindowContext& window) {
    const LevelRedoState& redo = window.drillState.levelRedo;
    DrillForm& room = window.drill;
    room.List2.clearItems();
    for (const std::string& line :
         askedLevelQuestionLines(redo.questions[static_cast<std::size_t>(redo.question)])) {
        room.List2.addItem(line);
    }
    room.List2.showLinesFrom(0);
    showAskedLevelQuestion(window, room.List2.items);
    room.Text1.enabled = true;
    room.Command2.setCaption(kAnswerButton);
    room.Label17.setCaption(std::string(kRedoTitle) + " 第" + std::to_string(redo.question + 1) +
                            "题 / 共" + std::to_string(redo.questions.size()) + "题");
    room.Text1.setCaption("");
    room.moveFocus(room.Text1);
}

// Ends the redo with its count of right answers.
void endRedo(WindowContext& window) {
    LevelRedoState& redo = window.drillState.levelRedo;
    redo.running = false;
    redo.paused = false;
    const std::string summary =
        "共" + std::to_string(redo.question) + "题 对" + std::to_string(redo.right) + "题";
    writeLine(window.drill, summary);
    window.drill.Label17.setCaption(std::string(kRedoTitle) + " " + summary);
    endLevelAnswering(window);
}

}  // namespace

void drill_Command7_Click(WindowContext& window) {
    DrillForm& room = window.drill;
    if (window.drillState.levelTest.running || window.drillState.levelRedo.running) return;
    const std::vector<WrongQuestion> book = levelQuestionsToRedo(window);
    if (book.empty()) {
        room.Label9.setCaption(kNothingToRedo);
        offerLevelRedo(window);
        return;
    }
    LevelRedoState& redo = window.drillState.levelRedo;
    redo = LevelRedoState{};
    redo.running = true;
    for (const WrongQuestion& entry : book) {
        redo.questions.push_back(entry.question.firstTerm);
        redo.answers.push_back(entry.question.rightAnswer);
    }
    beginLevelAnswering(room);
    room.Label4.setCaption("");
    room.Label9.setCaption("");
    writeLine(room, std::string(kRedoTitle) + " 共" + std::to_string(redo.questions.size()) + "题");
    askRedoQuestion(window);
}

void levelRedoAnswer(WindowContext& window) {
    LevelRedoState& redo = window.drillState.levelRedo;
    DrillForm& room = window.drill;
    if (!redo.running) return;
    if (redo.paused) {
        redo.paused = false;
        askRedoQuestion(window);
        return;
    }
    const std::optional<std::string> answer = answerDigits(room.Text1.caption());
    if (!answer) {
        room.Label9.setCaption(kDigitsOnlyHint);
        room.moveFocus(room.Text1);
        return;
    }
    room.Label9.setCaption("");
    const auto index = static_cast<std::size_t>(redo.question);
    const bool right = *answer == redo.answers[index];
    writeLine(room, "第" + std::to_string(redo.question + 1) + "题 " + redo.questions[index] + "=" +
                        redo.answers[index] + " " +
                        (answer->empty() ? kUnanswered : "答" + *answer) + (right ? " √" : " ×"));
    if (right) {
        ++redo.right;
        StoredQuestion asked;
        asked.firstTerm = redo.questions[index];
        asked.rightAnswer = redo.answers[index];
        window.services.history.takeOutOfBook(window.drillState.learner, asked);
    }
    const std::vector<std::string> judged =
        judgedLevelQuestionLines(redo.questions[index], *answer, redo.answers[index]);
    if (++redo.question < static_cast<int>(redo.questions.size())) {
        // The answer stands with its mark until the child asks for the next question.
        redo.paused = true;
        room.Text1.enabled = false;
        room.Command2.setCaption(kNextButton);
        room.moveFocus(room.Command2);
    } else {
        endRedo(window);
    }
    showJudgedLevelQuestion(window, judged, right);
}

void stopLevelRedo(WindowContext& window) {
    if (window.drillState.levelRedo.running) endRedo(window);
}

void offerLevelRedo(WindowContext& window) {
    window.drill.Command7.enabled = !window.drillState.levelTest.running &&
                                    !window.drillState.levelRedo.running &&
                                    !levelQuestionsToRedo(window).empty();
}
