// What 演示 in the practice room plays: typed questions read or refused with the reason, their
// steps on the seven rods, and the rhyme tables each shown on a sum where the rhyme applies.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "beads/rhyme_groups.h"
#include "demonstration/drill/rhyme_tables.h"
#include "demonstration/drill/typed_question.h"
#include "demonstration/rhyme_rod.h"

namespace {

constexpr int kRods = 7;

TEST(TypedQuestion, EverySpellingOfTheSignsIsReadAndBlanksAreIgnored) {
    const std::map<std::string, std::string> read = {
        {"325+67", "325+67"}, {" 4 - 3 + 8 ", "4-3+8"},   {"73×58", "73×58"},
        {"73x58", "73×58"},   {"73*58", "73×58"},         {"2646÷9", "2646÷9"},
        {"2646/9", "2646÷9"}, {"1634　÷\t38", "1634÷38"}, {"007+3", "7+3"},
    };
    for (const auto& [typed, text] : read) {
        const TypedQuestion question = readTypedQuestion(typed, kRods);
        EXPECT_EQ(question.refusal, "") << typed;
        EXPECT_EQ(typedQuestionText(question), text) << typed;
    }
    const TypedQuestion division = readTypedQuestion("103÷4", kRods);
    EXPECT_EQ(typedQuestionCaption(division), "103 ÷ 4");
    EXPECT_EQ(typedAnswerText(division), "25余3");
    EXPECT_EQ(typedAnswerText(readTypedQuestion("4-3+8", kRods)), "9");
    EXPECT_EQ(typedAnswerText(readTypedQuestion("73×58", kRods)), "4234");
}

TEST(TypedQuestion, AnythingElseIsRefusedWithWhatIsWrong) {
    const std::map<std::string, std::string> refused = {
        {"", "请输入要演示的题目，例如 325+67"},
        {"   ", "请输入要演示的题目，例如 325+67"},
        {"325", "题目里没有运算符号，例如 325+67"},
        {"+3", "题目要以数开头"},
        {"3+", "“+”后面少了一个数"},
        {"3+×4", "“+”后面少了一个数"},
        {"3a+5", "“a”不是数字，也不是 + - × ÷ 运算符号"},
        {"3.5+1", "“.”不是数字，也不是 + - × ÷ 运算符号"},
        {"三+1", "“三”不是数字，也不是 + - × ÷ 运算符号"},
        {"3×4+5", "乘法和除法只演示两个数的题，例如 73×58、2646÷9"},
        {"2×3×4", "乘法和除法只演示两个数的题，例如 73×58、2646÷9"},
        {"12÷0", "除数不能是 0"},
        {"0×7", "乘法的两个数都不能是 0"},
        {"3÷4", "被除数比除数小，商是 0，没有珠子要拨"},
        {"4-9+8", "减到这里不够减：算盘上的数不能小于 0"},
        {"9999999+1", "这道题要用8档，算盘只有7档"},
        {"1234×5678", "这道题要用8档，算盘只有7档"},
        {"999999÷9", "这道题要用8档，算盘只有7档"},
        {"12345678901+1", "这道题要用11档，算盘只有7档"},
    };
    for (const auto& [typed, refusal] : refused) {
        EXPECT_EQ(readTypedQuestion(typed, kRods).refusal, refusal) << typed;
    }
    EXPECT_EQ(readTypedQuestion("1234×567", kRods).refusal, "");
    EXPECT_EQ(readTypedQuestion("99999÷9", kRods).refusal, "");
}

// The row after the steps, each move changing its own rod as its rhyme says.
std::int32_t playedRow(const std::vector<BeadStep>& steps, std::int32_t row) {
    for (const BeadStep& step : steps) {
        if (step.movesBeads && step.tableRhyme.empty() &&
            step.rhyme.find("商") == std::string::npos) {
            const Rod rod(digitAt(row, step.place), step.rhyme);
            EXPECT_TRUE(rod.possible) << step.rhyme;
            EXPECT_EQ(rod.upper * 5 + rod.lower, digitAt(step.rowValue, step.place)) << step.rhyme;
        }
        EXPECT_LT(step.place, kRods);
        row = step.rowValue;
    }
    return row;
}

TEST(TypedQuestion, ChainsAndProductsEndOnTheirAnswerWithinTheRodsTheyNeed) {
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> term(0, 99999);
    std::uniform_int_distribution<int> terms(2, 6);
    for (int i = 0; i < 2000; ++i) {
        std::string typed = std::to_string(term(generator));
        for (int n = terms(generator); n > 1; --n) {
            typed += (generator() % 2 ? "+" : "-") + std::to_string(term(generator));
        }
        const TypedQuestion question = readTypedQuestion(typed, kRods);
        if (!question.refusal.empty()) continue;
        EXPECT_LE(rodsNeeded(question), kRods);
        const std::vector<BeadStep> steps =
            typedQuestionSteps(question, QuotientTrial::Estimate, kRods);
        EXPECT_EQ(std::to_string(playedRow(steps, typedStartingRow(question))),
                  typedAnswerText(question))
            << typed;
    }
    const TypedQuestion product = readTypedQuestion("73×58", kRods);
    EXPECT_EQ(rodsNeeded(product), 4);
    EXPECT_EQ(typedStartingRow(product), 0);
    EXPECT_EQ(playedRow(typedQuestionSteps(product, QuotientTrial::Estimate, kRods), 0), 4234);
    const TypedQuestion division = readTypedQuestion("2646÷9", kRods);
    EXPECT_EQ(playedRow(typedQuestionSteps(division, QuotientTrial::Estimate, kRods), 2646), 29400);
}

// The sum a line is shown on, as two terms and its sign.
struct ShownSum {
    std::int32_t first = 0;
    bool subtract = false;
    int digit = 0;
};
ShownSum shownSum(const RhymeLine& line) {
    const TypedQuestion question = readTypedQuestion(line.question, kRods);
    EXPECT_EQ(question.refusal, "") << line.question;
    return {question.terms[0], question.signs[0] == "-", question.terms[1]};
}

// Checks a table of four groups: each heading names its group and its rhymes follow, moving
// 1..9 as the group asks on the rod the sum shows them on, the rhyme said on the units rod.
void checkRhymeTable(const std::vector<RhymeLine>& lines, int firstGroup,
                     const std::vector<int>& groupSizes) {
    EXPECT_EQ(lines.size(), 26u + 4u);
    int group = firstGroup - 1;
    std::map<int, int> sizes;
    for (const RhymeLine& line : lines) {
        if (line.question.empty()) {
            ++group;
            EXPECT_EQ(line.text, "【" + rhymeGroupName(group) + "】");
            continue;
        }
        ++sizes[group];
        const ShownSum sum = shownSum(line);
        EXPECT_EQ(rodMoveGroup(sum.first % 10, sum.digit, sum.subtract), group) << line.text;
        int said = 0;
        for (const BeadStep& step : beadSteps(sum.first, sum.subtract, sum.digit)) {
            if (step.place == 0) {
                EXPECT_EQ(step.rhyme, line.text);
                ++said;
            }
        }
        EXPECT_EQ(said, 1) << line.text;
    }
    for (int i = 0; i < 4; ++i) EXPECT_EQ(sizes[firstGroup + i], groupSizes[i]);
}

TEST(RhymeTables, TwentySixRhymesEachWayInFourGroupsEachShownWhereItApplies) {
    checkRhymeTable(additionRhymes(), kDirectAdd, {9, 4, 9, 4});
    checkRhymeTable(subtractionRhymes(), kDirectSubtract, {9, 4, 9, 4});
    EXPECT_EQ(additionRhymes()[1].text, "一上一");
    std::map<std::string, std::string> shownOn;
    for (const auto* table : {&additionRhymes(), &subtractionRhymes()}) {
        for (const RhymeLine& line : *table) shownOn[line.text] = line.question;
    }
    EXPECT_EQ(shownOn["三下五去二"], "3+3");
    EXPECT_EQ(shownOn["一去九进一"], "9+1");
    EXPECT_EQ(shownOn["六上一去五进一"], "6+6");
    EXPECT_EQ(shownOn["一退一还九"], "10-1");
    EXPECT_EQ(shownOn["九退一还五去四"], "14-9");
}

TEST(RhymeTables, TheFortyFiveLinesOfTheTimesTableEachShowItsProduct) {
    const std::vector<RhymeLine>& lines = timesTableLines();
    ASSERT_EQ(lines.size(), 46u);
    EXPECT_EQ(lines.front().question, "");
    EXPECT_EQ(lines[1].text, "一一得一");
    EXPECT_EQ(lines.back().text, "九九八十一");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const TypedQuestion question = readTypedQuestion(lines[i].question, kRods);
        const std::vector<BeadStep> steps =
            typedQuestionSteps(question, QuotientTrial::Estimate, kRods);
        ASSERT_FALSE(steps.empty());
        EXPECT_TRUE(steps.front().rhyme.starts_with(lines[i].text)) << lines[i].text;
        EXPECT_EQ(steps.front().framedRods, 2);
        EXPECT_EQ(std::to_string(steps.back().rowValue), typedAnswerText(question));
    }
}

}  // namespace
