// A level paper as printed lines: every question's terms stand in its column under its number,
// each with a line to write on, and the answer sheet after the page break holds every answer.

#include "levels/level_paper_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "levels/level_question_text.h"
#include "levels/level_table.h"

namespace {

constexpr std::size_t kLabelCells = 4;
constexpr std::size_t kColumnCells = 10;

// The text in column `column` (0..4) of a column-sum line, without blanks; the labels "题号"
// and "答" take the four cells before the first column, as a Chinese character takes two.
std::string columnText(std::string line, std::size_t column) {
    for (const std::string label : {"题号", "答  "}) {
        if (line.rfind(label, 0) == 0)
            line = std::string(kLabelCells, ' ') + line.substr(label.size());
    }
    const std::size_t start = kLabelCells + column * kColumnCells;
    if (start >= line.size()) return "";
    std::string cell = line.substr(start, kColumnCells);
    cell.erase(std::remove(cell.begin(), cell.end(), ' '), cell.end());
    return cell;
}

std::size_t indexOf(const std::vector<std::string>& lines, const std::string& line,
                    std::size_t from = 0) {
    return static_cast<std::size_t>(
        std::find(lines.begin() + static_cast<long>(from), lines.end(), line) - lines.begin());
}

TEST(LevelPaperSheet, EveryQuestionAndAnswerOfEveryLevelIsOnTheSheet) {
    for (int level = 0; level < kLevelCount; ++level) {
        for (std::uint32_t seed = 0; seed < 40; ++seed) {
            const LevelPaper paper = levelPaper(level, seed);
            const std::vector<std::string> lines = levelPaperSheet(paper, 8);
            const std::string caption = levelRow(level).caption;
            ASSERT_NE(lines[0].find(caption + "　试卷"), std::string::npos);
            EXPECT_EQ(lines[1].rfind("姓名：", 0), 0u);
            EXPECT_NE(lines[2].find("只用整数"), std::string::npos);
            EXPECT_NE(lines[2].find("限时8分钟"), std::string::npos);
            const std::size_t pageBreak = indexOf(lines, kSheetPageBreak);
            ASSERT_LT(pageBreak, lines.size());
            EXPECT_EQ(std::count(lines.begin(), lines.end(), kSheetPageBreak), 1);

            // The column sums, five to a row: numbers, terms, rule and answer line.
            std::size_t line = indexOf(lines, "一、加减算") + 1;
            const auto rows = static_cast<std::size_t>(levelRow(level).rows);
            for (std::size_t first = 0; first < kQuestionsPerItem; first += 5) {
                ASSERT_EQ(lines[line].rfind("题号", 0), 0u) << lines[line];
                for (std::size_t column = 0; column < 5; ++column) {
                    EXPECT_EQ(columnText(lines[line], column),
                              "(" + std::to_string(first + column + 1) + ")");
                    const SumQuestion& sum = paper.additionItem[first + column];
                    for (std::size_t row = 0; row < rows; ++row) {
                        EXPECT_EQ(columnText(lines[line + 1 + row], column),
                                  std::to_string(sum.terms[row]));
                    }
                    EXPECT_EQ(columnText(lines[line + 1 + rows], column), "------");
                    EXPECT_EQ(columnText(lines[line + 2 + rows], column), "________");
                }
                EXPECT_EQ(lines[line + 3 + rows], "");
                line += rows + 4;
            }
            // The multiplications, two to a line, each with its blank.
            std::string products;
            for (std::size_t i = 0; i < pageBreak; ++i) products += lines[i] + "\n";
            for (const ProductQuestion& product : paper.multiplicationItem) {
                EXPECT_NE(products.find(productLine(product) + " ________"), std::string::npos);
            }
            EXPECT_EQ(products.find("二、乘算") != std::string::npos,
                      !paper.multiplicationItem.empty());

            // The answer sheet: every answer in order, numbered.
            std::string answers;
            for (std::size_t i = pageBreak + 1; i < lines.size(); ++i) answers += lines[i] + " ";
            EXPECT_NE(lines[pageBreak + 1].find(caption + "　答案"), std::string::npos);
            std::size_t at = 0;
            for (std::size_t i = 0; i < paper.additionItem.size(); ++i) {
                at = answers.find("(" + std::to_string(i + 1) + ") " +
                                      std::to_string(paper.additionItem[i].answer) + " ",
                                  at);
                ASSERT_NE(at, std::string::npos) << "addition answer " << i + 1;
            }
            for (std::size_t i = 0; i < paper.multiplicationItem.size(); ++i) {
                at = answers.find("(" + std::to_string(i + 1) + ") " +
                                      std::to_string(paper.multiplicationItem[i].answer) + " ",
                                  at);
                ASSERT_NE(at, std::string::npos) << "multiplication answer " << i + 1;
            }
        }
    }
}

}  // namespace
