#include "levels/level_test.h"

#include <optional>
#include <string>
#include <tuple>

#include "drill/room_lines.h"
#include "engine/random_choice.h"
#include "history/stored_moment.h"
#include "levels/level_paper.h"
#include "levels/level_paper_sheet.h"
#include "levels/level_path.h"
#include "levels/level_question_box.h"
#include "levels/level_question_text.h"
#include "levels/level_redo.h"
#include "levels/level_review.h"
#include "levels/level_review_demo.h"
#include "levels/level_table.h"

namespace {

constexpr char kLevelTitle[] = "练习室 · 等级考试";
constexpr char kStart[] = "开  始";
constexpr char kStop[] = "停  止";
constexpr char kAnswerButton[] = "确定";
constexpr char kPassedStar[] = "★";
constexpr char kOpenStar[] = "☆";
constexpr char kAdditionItem[] = "加减算";
constexpr char kMultiplicationItem[] = "乘算";
constexpr char kPassed[] = " 通过";
constexpr char kFailed[] = " 未通过";
constexpr char kAbandoned[] = " 中止";
constexpr char kNextMark[] = "（下一级）";
constexpr char kDigitsOnlyHint[] = "请只填数字，例如 380；不会的题可以空着按确定";
constexpr char kMinutesKey[] = "levelTestMinutes";
constexpr char kTestNotKept[] =
    "这次等级考试的记录没能保存（磁盘可能已满），已有的学习记录没有改变。";
constexpr int kDefaultMinutes = 2;  // 10 minutes
constexpr int kSeedRange = 1 << 30;
constexpr Rgb kPassedColour{176, 120, 0};
constexpr Rgb kNextColour{192, 0, 0};
constexpr Rgb kOpenColour{96, 96, 96};

// The flash drills' elements, which mean nothing on the level test.
std::vector<Element*> flashOnlyElements(DrillForm& room) {
    return {&room.Label10,  &room.Combo2,   &room.Label11,  &room.Combo3,
            &room.Label12,  &room.Combo4,   &room.Label13,  &room.Combo5,
            &room.Command4, &room.Command5, &room.Command3, &room.Label2};
}

// The level test's own elements.
std::vector<Element*> levelElements(DrillForm& room) {
    std::vector<Element*> elements{&room.Label14, &room.Combo7,   &room.Label15,  &room.Combo8,
                                   &room.Label16, &room.Command6, &room.Command7, &room.Label4,
                                   &room.Label17, &room.Command9};
    for (Element& step : room.Label5) elements.push_back(&step);
    return elements;
}

// Selects a list's item without raising its handler; an index outside the list is ignored.
void showItem(Element& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.items.size())) return;
    list.listIndex = index;
    list.setCaption(list.items[static_cast<std::size_t>(index)]);
}

int chosenLevel(const WindowContext& window) {
    const int index = window.drill.Combo7.listIndex;
    return index >= 0 && index < kLevelCount ? index : 0;
}

int chosenMinutes(const WindowContext& window) {
    return std::stoi("0" + window.drill.Combo8.caption());
}

// "9:05" for 545 seconds.
std::string clockText(int seconds) {
    const int rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

// Stars the levels the learner has passed, with the date in the tip, and marks the next one;
// returns the next level.
int showLevelPath(WindowContext& window) {
    DrillForm& room = window.drill;
    const auto dates = passedDates(window.services.history.levelTests(window.drillState.learner));
    const int next = nextLevel(dates);
    for (int level = 0; level < kLevelCount; ++level) {
        Element& step = room.Label5[static_cast<std::size_t>(level)];
        const std::string& date = dates[static_cast<std::size_t>(level)];
        const std::string& caption = levelRow(level).caption;
        step.setCaption(date.empty() ? kOpenStar : kPassedStar);
        step.foreColor = !date.empty() ? kPassedColour : level == next ? kNextColour : kOpenColour;
        step.tooltip = caption + (date.empty() ? "" : kPassed + (" " + date)) +
                       (level == next && date.empty() ? kNextMark : "");
    }
    return next;
}

// The answers of the item in progress, in the order asked.
std::vector<std::int32_t> itemAnswers(const LevelTestState& test) {
    const LevelPaper paper = levelPaper(test.level, test.seed);
    std::vector<std::int32_t> answers;
    if (test.item == 0) {
        for (const SumQuestion& question : paper.additionItem) answers.push_back(question.answer);
    } else {
        for (const ProductQuestion& question : paper.multiplicationItem) {
            answers.push_back(question.answer);
        }
    }
    return answers;
}

// Shows the question in progress in the list, with its item and number above the answer box.
void askQuestion(WindowContext& window) {
    const LevelTestState& test = window.drillState.levelTest;
    DrillForm& room = window.drill;
    const LevelPaper paper = levelPaper(test.level, test.seed);
    const auto number = static_cast<std::size_t>(test.question);
    room.List2.clearItems();
    if (test.item == 0) {
        for (const std::string& line : columnLines(paper.additionItem[number])) {
            room.List2.addItem(line);
        }
    } else {
        room.List2.addItem(productLine(paper.multiplicationItem[number]));
    }
    room.List2.showLinesFrom(0);
    showAskedLevelQuestion(window, room.List2.items);
    room.Label17.setCaption(std::string(test.item == 0 ? kAdditionItem : kMultiplicationItem) +
                            " 第" + std::to_string(test.question + 1) + "题 / 共" +
                            std::to_string(kQuestionsPerItem) + "题");
    room.Text1.setCaption("");
    room.moveFocus(room.Text1);
}

// Starts item `item` with its full time.
void startItem(WindowContext& window, int item) {
    LevelTestState& test = window.drillState.levelTest;
    test.item = item;
    test.question = 0;
    test.rightInItem = 0;
    test.typedPerItem.emplace_back();
    test.secondsLeft = test.minutesPerItem * 60;
    window.drill.Label4.setCaption(clockText(test.secondsLeft));
    window.drill.Timer2.startTimer(1000);
    askQuestion(window);
}

// Keeps the finished test in the learner's history.
void storeTest(WindowContext& window, bool passed) {
    const LevelTestState& test = window.drillState.levelTest;
    StoredLevelTest stored;
    stored.learner = window.drillState.learner;
    std::tie(stored.date, stored.time) = sortableMoment(test.start);
    stored.level = test.level;
    stored.minutesPerItem = test.minutesPerItem;
    stored.rightPerItem = test.rightPerItem;
    stored.passed = passed;
    stored.questions = levelQuestionResults(levelPaper(test.level, test.seed), test.typedPerItem);
    if (window.services.history.storeLevelTest(stored) == StoreOutcome::Failed) {
        window.services.dialogs.inform(kTestNotKept);
    }
}

// Writes a line under the verdict for each question answered wrong or left open, and keeps
// which of them name a multiplication, for "演示这道题".
void writeReviewLines(WindowContext& window) {
    const LevelTestState& test = window.drillState.levelTest;
    DrillForm& room = window.drill;
    const LevelPaper paper = levelPaper(test.level, test.seed);
    std::vector<StoredLevelQuestion> wrong = levelQuestionResults(paper, test.typedPerItem);
    std::erase_if(wrong, [](const StoredLevelQuestion& question) { return question.right; });
    const std::vector<std::string> lines = levelReviewLines(wrong);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        writeLine(room, lines[i]);
        const auto number = static_cast<std::size_t>(wrong[i].number - 1);
        keepReviewedQuestion(window, room.List1.items.size() - 1, lines[i], wrong[i],
                             wrong[i].item == 1 ? &paper.multiplicationItem[number] : nullptr);
    }
}

// Ends the item in progress with its result line; the next item starts, or the test ends with
// the level's verdict, kept in the history and starred on the path.
void endItem(WindowContext& window) {
    LevelTestState& test = window.drillState.levelTest;
    DrillForm& room = window.drill;
    test.rightPerItem.push_back(test.rightInItem);
    writeLine(room, std::string(test.item == 0 ? kAdditionItem : kMultiplicationItem) + " 对" +
                        std::to_string(test.rightInItem) + "题");
    if (test.item + 1 < levelItemCount(test.level)) {
        startItem(window, test.item + 1);
        return;
    }
    const bool passed = levelPassed(test.level, test.rightPerItem);
    const std::string verdict = levelRow(test.level).caption + (passed ? kPassed : kFailed);
    writeLine(room, verdict);
    writeReviewLines(window);
    room.Label17.setCaption(verdict);
    storeTest(window, passed);
    const int next = showLevelPath(window);
    if (passed) showItem(room.Combo7, next);
    endLevelAnswering(window);
}

}  // namespace

void showLevelTestRoom(WindowContext& window, bool on) {
    DrillForm& room = window.drill;
    for (Element* element : flashOnlyElements(room)) element->visible = !on;
    for (Element* element : levelElements(room)) element->visible = on;
    room.List2.visible = false;
    room.placeForLevelTest(on);
    if (!on) return;
    clearLevelQuestionBox(room);
    room.drill.setCaption(kLevelTitle);
    room.Label4.setCaption("");
    room.Label17.setCaption("");
    room.List2.clearItems();
    room.Command9.enabled = false;
    showItem(room.Combo7, showLevelPath(window));
    showItem(room.Combo8, kDefaultMinutes);
    const auto kept = window.services.history.setting(window.drillState.learner, kMinutesKey);
    if (kept) showItem(room.Combo8, std::stoi("0" + *kept));
    offerLevelRedo(window);
}

void levelStartButton(WindowContext& window) {
    LevelTestState& test = window.drillState.levelTest;
    DrillForm& room = window.drill;
    if (test.running || window.drillState.levelRedo.running) {
        stopLevelTest(window);
        return;
    }
    window.services.random.randomize();
    test = LevelTestState{};
    test.running = true;
    test.level = chosenLevel(window);
    test.seed = static_cast<std::uint32_t>(randomChoice(window.services.random, kSeedRange));
    test.minutesPerItem = chosenMinutes(window);
    test.start = window.services.clock.now();
    beginLevelAnswering(room);
    room.Label9.setCaption("");
    startItem(window, 0);
}

void levelAnswerButton(WindowContext& window) {
    LevelTestState& test = window.drillState.levelTest;
    DrillForm& room = window.drill;
    if (window.drillState.levelRedo.running) return levelRedoAnswer(window);
    if (!test.running) return;
    const std::optional<std::string> answer = answerDigits(room.Text1.caption());
    if (!answer) {
        room.Label9.setCaption(kDigitsOnlyHint);
        room.moveFocus(room.Text1);
        return;
    }
    room.Label9.setCaption("");
    const auto right = itemAnswers(test)[static_cast<std::size_t>(test.question)];
    if (*answer == std::to_string(right)) ++test.rightInItem;
    test.typedPerItem.back().push_back(*answer);
    if (++test.question < kQuestionsPerItem) {
        askQuestion(window);
        return;
    }
    endItem(window);
}

void drill_Timer2_Timer(WindowContext& window) {
    LevelTestState& test = window.drillState.levelTest;
    if (!test.running) {
        window.drill.Timer2.enabled = false;
        return;
    }
    --test.secondsLeft;
    window.drill.Label4.setCaption(clockText(test.secondsLeft));
    if (test.secondsLeft <= 0) endItem(window);
}

void levelSettingChanged(WindowContext& window) {
    window.services.history.setSetting(window.drillState.learner, kMinutesKey,
                                       std::to_string(window.drill.Combo8.listIndex));
}

void drill_Command6_Click(WindowContext& window) {
    const int level = chosenLevel(window);
    window.services.random.randomize();
    const auto seed = static_cast<std::uint32_t>(randomChoice(window.services.random, kSeedRange));
    window.services.menuWindows.open(
        MenuWindow::PrintLevelPaper, window.drillState.learner,
        levelPaperSheet(levelPaper(level, seed), chosenMinutes(window)));
}

void stopLevelTest(WindowContext& window) {
    LevelTestState& test = window.drillState.levelTest;
    stopLevelRedo(window);
    if (!test.running) return;
    writeLine(window.drill, levelRow(test.level).caption + kAbandoned);
    window.drill.Label17.setCaption("");
    endLevelAnswering(window);
}

void beginLevelAnswering(DrillForm& room) {
    room.Command1.setCaption(kStop);
    room.Combo7.enabled = false;
    room.Combo8.enabled = false;
    room.Command6.enabled = false;
    room.Command7.enabled = false;
    room.Command9.enabled = false;
    room.Text1.enabled = true;
    room.Command2.enabled = true;
}

void endLevelAnswering(WindowContext& window) {
    DrillForm& room = window.drill;
    window.drillState.levelTest.running = false;
    room.Timer2.enabled = false;
    room.Text1.enabled = false;
    room.Command2.enabled = false;
    room.Combo7.enabled = true;
    room.Combo8.enabled = true;
    room.Command6.enabled = true;
    room.Command1.setCaption(kStart);
    room.List2.clearItems();
    room.Command2.setCaption(kAnswerButton);
    clearLevelQuestionBox(room);
    room.Text1.setCaption("");
    room.moveFocus(room.Command1);
    offerLevelRedo(window);
    offerReviewDemonstration(window);
}
