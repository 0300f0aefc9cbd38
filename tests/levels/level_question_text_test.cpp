// Level questions as the room and the printed paper write them, and the pass rule.

#include "levels/level_question_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "levels/level_review.h"
#include "levels/level_table.h"

TEST(LevelQuestionText, ColumnSumIsRightAlignedWithRoomForTheSign) {
    const SumQuestion question{{1234, -67, 5, -980}, 192};
    EXPECT_EQ(columnLines(question),
              (std::vector<std::string>{" 1234", "  -67", "    5", " -980"}));
    EXPECT_EQ(columnLines(SumQuestion{{7, 5, -3}, 9}),
              (std::vector<std::string>{" 7", " 5", "-3"}));
    EXPECT_EQ(productLine(ProductQuestion{12, 3, 36}), "12 × 3 =");
    EXPECT_EQ(productLine(ProductQuestion{456, 78, 35568}), "456 × 78 =");
}

TEST(LevelQuestionText, EveryPaperLineReadsBackAsItsTerm) {
    for (int level = 0; level < kLevelCount; ++level) {
        for (std::uint32_t seed = 0; seed < 100; ++seed) {
            const LevelPaper paper = levelPaper(level, seed);
            for (const SumQuestion& question : paper.additionItem) {
                const std::vector<std::string> lines = columnLines(question);
                ASSERT_EQ(lines.size(), question.terms.size());
                std::size_t widest = 0;
                for (std::int32_t term : question.terms) {
                    widest = std::max(widest, std::to_string(std::abs(term)).size());
                }
                for (std::size_t row = 0; row < lines.size(); ++row) {
                    EXPECT_EQ(lines[row].size(), widest + 1)
                        << "no room for a sign: " << lines[row];
                    EXPECT_NE(lines[row].back(), ' ');
                    EXPECT_EQ(std::stoi(lines[row]), question.terms[row]) << lines[row];
                }
            }
            for (const ProductQuestion& question : paper.multiplicationItem) {
                const std::string line = productLine(question);
                EXPECT_EQ(line, std::to_string(question.first) + " × " +
                                    std::to_string(question.second) + " =");
            }
        }
    }
}

TEST(LevelReview, EveryWrittenQuestionShowsAgainAsAskedAndItsReviewNamesTheWrongOnes) {
    for (int level = 0; level < kLevelCount; ++level) {
        for (std::uint32_t seed = 0; seed < 50; ++seed) {
            const LevelPaper paper = levelPaper(level, seed);
            // Every other question answered right, the last of each item left open.
            std::vector<std::vector<std::string>> typed(2);
            for (std::size_t i = 0; i + 1 < paper.additionItem.size(); ++i) {
                const std::int32_t answer = paper.additionItem[i].answer;
                typed[0].push_back(std::to_string(i % 2 == 0 ? answer : answer + 1));
            }
            for (std::size_t i = 0; i + 1 < paper.multiplicationItem.size(); ++i) {
                const std::int32_t answer = paper.multiplicationItem[i].answer;
                typed[1].push_back(i % 2 == 0 ? std::to_string(answer) : "");
            }
            const auto results = levelQuestionResults(paper, typed);
            ASSERT_EQ(results.size(), paper.additionItem.size() + paper.multiplicationItem.size());
            std::size_t wrong = 0;
            for (const StoredLevelQuestion& result : results) {
                const auto index = static_cast<std::size_t>(result.number - 1);
                const std::vector<std::string> asked = askedLevelQuestionLines(result.question);
                if (result.item == 0) {
                    EXPECT_EQ(asked, columnLines(paper.additionItem[index])) << result.question;
                    EXPECT_EQ(result.rightAnswer, std::to_string(paper.additionItem[index].answer));
                } else {
                    EXPECT_EQ(asked, std::vector<std::string>{
                                         productLine(paper.multiplicationItem[index])});
                }
                const bool last = index + 1 == (result.item == 0 ? paper.additionItem.size()
                                                                 : paper.multiplicationItem.size());
                EXPECT_EQ(result.right, index % 2 == 0 && !last) << result.question;
                EXPECT_EQ(result.typedAnswer.empty(), last || (result.item == 1 && index % 2 == 1));
                if (!result.right) ++wrong;
            }
            EXPECT_EQ(levelReviewLines(results).size(), wrong);
        }
    }
}

TEST(LevelReview, LinesSayTheItemTheNumberTheAnswerAndTheRightOne) {
    const LevelPaper paper{4, {{{20, 5, 2}, 27}, {{9, -4}, 5}}, {{12, 3, 36}, {11, 11, 121}}};
    const auto results = levelQuestionResults(paper, {{"25", "05"}, {"36"}});
    EXPECT_EQ(results[0].question, "20+5+2");
    EXPECT_EQ(results[1].question, "9-4");
    EXPECT_EQ(results[2].question, "12×3");
    EXPECT_EQ(levelReviewLines(results),
              (std::vector<std::string>{"加减算 第1题 答25 应为27", "加减算 第2题 答05 应为5",
                                        "乘算 第2题 未答 应为121"}));
    EXPECT_EQ(answerDigits(" 0 5"), "5");
    EXPECT_EQ(answerDigits(""), "");
    EXPECT_EQ(answerDigits("1e3"), std::nullopt);
    EXPECT_EQ(answerDigits("1234567890"), std::nullopt);
    for (const char* text : {"", "-5+3", "5+", "5++3", "12×", "×3", "abc", "1234567890+1"}) {
        EXPECT_TRUE(askedLevelQuestionLines(text).empty()) << text;
        EXPECT_TRUE(judgedLevelQuestionLines(text, "5", "5").empty()) << text;
    }

    // Shown whole after its answer: the rows as asked, the total, then what was typed.
    EXPECT_EQ(judgedLevelQuestionLines("20+5-2", "25", "23"),
              (std::vector<std::string>{" 20", "  5", " -2", "=23", "答25"}));
    EXPECT_EQ(judgedLevelQuestionLines("12×3", "", "36"),
              (std::vector<std::string>{"12 × 3 = 36", "未答"}));
}

TEST(LevelPass, EightOrMoreInEveryItemOfTheLevel) {
    EXPECT_TRUE(levelPassed(0, {8}));
    EXPECT_TRUE(levelPassed(0, {10}));
    EXPECT_FALSE(levelPassed(0, {7}));
    EXPECT_FALSE(levelPassed(0, {}));
    EXPECT_TRUE(levelPassed(3, {9}));
    EXPECT_TRUE(levelPassed(4, {8, 8}));
    EXPECT_FALSE(levelPassed(4, {8, 7}));
    EXPECT_FALSE(levelPassed(4, {7, 10}));
    EXPECT_FALSE(levelPassed(4, {10}));
    EXPECT_TRUE(levelPassed(9, {10, 10}));
    EXPECT_FALSE(levelPassed(9, {0, 0}));
}
