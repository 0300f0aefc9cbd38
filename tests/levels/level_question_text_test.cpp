// Level questions as the room and the printed paper write them, and the pass rule.

#include "levels/level_question_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

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
