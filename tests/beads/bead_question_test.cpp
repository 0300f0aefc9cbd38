// The drill's questions over many seeds: every digit of the second term is worked by a rhyme
// of the chosen group, checked against this test's own table of the 52 rhymes.

#include "beads/bead_question.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "beads/board_steps.h"
#include "beads/rhyme_groups.h"
#include "engine/uniform_random.h"

namespace {

constexpr int kSeeds = 300;

// The 52 rhymes, one row per group in the drill's order.
const std::vector<std::vector<std::string>> kRhymesByGroup = {
    {"一上一", "二上二", "三上三", "四上四", "五上五", "六上六", "七上七", "八上八", "九上九"},
    {"一下五去四", "二下五去三", "三下五去二", "四下五去一"},
    {"一去九进一", "二去八进一", "三去七进一", "四去六进一", "五去五进一", "六去四进一",
     "七去三进一", "八去二进一", "九去一进一"},
    {"六上一去五进一", "七上二去五进一", "八上三去五进一", "九上四去五进一"},
    {"一去一", "二去二", "三去三", "四去四", "五去五", "六去六", "七去七", "八去八", "九去九"},
    {"一上四去五", "二上三去五", "三上二去五", "四上一去五"},
    {"一退一还九", "二退一还八", "三退一还七", "四退一还六", "五退一还五", "六退一还四",
     "七退一还三", "八退一还二", "九退一还一"},
    {"六退一还五去一", "七退一还五去二", "八退一还五去三", "九退一还五去四"},
};

// The group each rhyme belongs to.
std::map<std::string, int> groupOfRhyme() {
    std::map<std::string, int> groups;
    for (int group = 0; group < static_cast<int>(kRhymesByGroup.size()); ++group) {
        for (const std::string& rhyme : kRhymesByGroup[group]) groups[rhyme] = group;
    }
    return groups;
}

int digitCount(std::int32_t value) { return static_cast<int>(std::to_string(value).size()); }

int nonZeroDigits(std::int32_t value) {
    int count = 0;
    for (; value > 0; value /= 10) count += value % 10 != 0;
    return count;
}

bool contains(const std::string& rhyme, const char* word) {
    return rhyme.find(word) != std::string::npos;
}

// The steps that work a digit of the second term, leaving out the carries a 进一 sends up and
// the borrows a 退一 takes from the rod above.
std::vector<std::string> mainRhymes(const std::vector<BoardStep>& steps) {
    std::vector<std::string> rhymes;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const bool carry = i > 0 && contains(steps[i - 1].rhyme, "进一") &&
                           steps[i - 1].place + 1 == steps[i].place;
        const bool lend = i + 1 < steps.size() && contains(steps[i + 1].rhyme, "退一") &&
                          steps[i + 1].place + 1 == steps[i].place;
        if (!carry && !lend) rhymes.push_back(steps[i].rhyme);
    }
    return rhymes;
}

TEST(BeadQuestion, EveryGroupAndTermLengthGivesQuestionsWorkedByItsOwnRhymes) {
    const std::map<std::string, int> groups = groupOfRhyme();
    ASSERT_EQ(groups.size(), 52u);
    for (int group = 0; group <= kMixedAddSubtract; ++group) {
        std::set<std::string> seen;
        std::set<bool> operations;
        for (int digits = 1; digits <= kMaxTermDigits; ++digits) {
            for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
                UniformRandom random(seed);
                const BeadQuestion question = drawBeadQuestion(random, group, digits);
                SCOPED_TRACE(testing::Message()
                             << rhymeGroupName(group) << ' ' << question.first
                             << (question.subtract ? " - " : " + ") << question.second);
                const bool lends = group == kBorrowSubtract || group == kFiveBorrowSubtract;
                EXPECT_EQ(digitCount(question.second), digits);
                EXPECT_EQ(digitCount(question.first), lends ? digits + 1 : digits);
                EXPECT_EQ(question.answer, question.subtract ? question.first - question.second
                                                             : question.first + question.second);
                EXPECT_GE(question.answer, 0);
                EXPECT_LE(question.answer, 9999999);
                const std::vector<BoardStep> steps = boardSteps(question);
                ASSERT_FALSE(steps.empty());
                EXPECT_EQ(boardValue(steps.back().target), question.answer);
                const std::vector<std::string> rhymes = mainRhymes(steps);
                EXPECT_EQ(static_cast<int>(rhymes.size()), nonZeroDigits(question.second));
                for (const std::string& rhyme : rhymes) {
                    ASSERT_TRUE(groups.contains(rhyme)) << rhyme;
                    const int found = groups.at(rhyme);
                    if (group == kMixedAddSubtract) {
                        EXPECT_EQ(found >= kDirectSubtract, question.subtract) << rhyme;
                    } else {
                        EXPECT_EQ(found, group) << rhyme;
                    }
                    seen.insert(rhyme);
                }
                operations.insert(question.subtract);
            }
        }
        if (group == kMixedAddSubtract) {
            EXPECT_EQ(seen.size(), 52u);
            EXPECT_EQ(operations.size(), 2u);
        } else {
            EXPECT_EQ(seen.size(), kRhymesByGroup[group].size()) << rhymeGroupName(group);
        }
    }
}

// The digits each product group gives its terms for the chosen digits 1..4.
struct TermDigits {
    int first, second;
};
TermDigits productTermDigits(int group, int digits) {
    switch (group) {
        case kOneDigitMultiply:
            return {std::clamp(digits, 2, 3), 1};
        case kTwoDigitMultiply:
            return {2, 2};
        case kOneDigitDivide:
            return {std::clamp(digits, 2, 4), 1};
        default:
            return {std::clamp(digits, 3, 4), 2};
    }
}

TEST(BeadQuestion, ProductGroupsAskTheirOwnSizesAndEndOnTheProductOrQuotientAndRemainder) {
    for (int group = kOneDigitMultiply; group <= kTwoDigitDivide; ++group) {
        const bool divides = group >= kOneDigitDivide;
        std::set<int> quotientDigitCounts;
        for (int digits = 1; digits <= kMaxTermDigits; ++digits) {
            for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
                UniformRandom random(seed);
                const bool remainder = seed % 2 == 0;
                const BeadQuestion question = drawBeadQuestion(random, group, digits, remainder);
                SCOPED_TRACE(testing::Message()
                             << rhymeGroupName(group) << ' ' << questionText(question) << '='
                             << answerText(question));
                EXPECT_TRUE(question.products);
                EXPECT_EQ(question.subtract, divides);
                const TermDigits wanted = productTermDigits(group, digits);
                EXPECT_EQ(digitCount(question.first), wanted.first);
                EXPECT_EQ(digitCount(question.second), wanted.second);
                EXPECT_GE(question.second, 2);
                if (divides) {
                    EXPECT_EQ(question.answer * question.second + question.remainder,
                              question.first);
                    EXPECT_LT(question.remainder, question.second);
                    EXPECT_EQ(question.remainder != 0, remainder);
                    quotientDigitCounts.insert(digitCount(question.answer));
                } else {
                    EXPECT_EQ(question.answer, question.first * question.second);
                    EXPECT_EQ(question.remainder, 0);
                }
                const std::vector<BoardStep> steps = boardSteps(question);
                ASSERT_FALSE(steps.empty());
                const std::int32_t quotientPlace = digitCount(question.second) + 1;
                std::int32_t ending = question.answer;
                for (int place = 0; divides && place < quotientPlace; ++place) ending *= 10;
                EXPECT_EQ(boardValue(steps.back().target), ending + question.remainder);
            }
        }
        if (divides) {
            EXPECT_GE(quotientDigitCounts.size(), 3u) << rhymeGroupName(group);
        }
    }
}

TEST(BeadQuestion, QuestionsReadAsTheRoomWritesThem) {
    const BeadQuestion division = beadQuestion(103, true, 4, true);
    EXPECT_EQ(questionText(division) + "=" + answerText(division), "103÷4=25余3");
    EXPECT_EQ(questionCaption(division), "103 ÷ 4");
    EXPECT_EQ(startingValue(division), 103);
    const BeadQuestion product = beadQuestion(23, false, 14, true);
    EXPECT_EQ(questionText(product) + "=" + answerText(product), "23×14=322");
    EXPECT_EQ(startingValue(product), 0);
    EXPECT_EQ(questionCaption(beadQuestion(325, false, 67, false)), "325 + 67");
    EXPECT_EQ(answerText(beadQuestion(96, true, 4, true)), "24");
}

TEST(BeadQuestion, GroupsAreNamedInTheDrillsOrder) {
    EXPECT_EQ(rhymeGroupName(kDirectAdd), "直加");
    EXPECT_EQ(rhymeGroupName(kFiveCarryAdd), "破五进十加");
    EXPECT_EQ(rhymeGroupName(kFiveBorrowSubtract), "退十补五减");
    EXPECT_EQ(rhymeGroupName(kMixedAddSubtract), "加减混合");
    EXPECT_EQ(rhymeGroupName(kOneDigitMultiply), "一位乘法");
    EXPECT_EQ(rhymeGroupName(kTwoDigitDivide), "两位除法");
    EXPECT_EQ(rhymeGroupName(kRhymeGroups), "");
}

}  // namespace
