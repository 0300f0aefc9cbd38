#include "levels/level_paper_sheet.h"

#include <algorithm>

#include "levels/level_question_text.h"
#include "levels/level_table.h"

namespace {

constexpr char kTitle[] = "珠心算等级考试　";
constexpr char kPaperTitle[] = "　试卷";
constexpr char kAnswerTitle[] = "　答案";
constexpr char kNameLine[] = "姓名：______________　　日期：____________　　得分：________";
constexpr char kAdditionHeading[] = "一、加减算";
constexpr char kMultiplicationHeading[] = "二、乘算";
constexpr char kNumberLabel[] = "题号";
constexpr char kAnswerLabel[] = "答  ";
constexpr char kRule[] = "------";
constexpr char kAnswerBlank[] = "________";
constexpr std::size_t kLabelCells = 4;
constexpr std::size_t kColumnCells = 10;
constexpr std::size_t kSumsPerRow = 5;
constexpr std::size_t kProductsPerRow = 2;
constexpr std::size_t kProductCells = 32;  // "×" takes two bytes and two cells
constexpr std::size_t kAnswersPerRow = 5;
constexpr std::size_t kAnswerCells = 14;

// `text` after blanks up to `cells` cells; ASCII text only.
std::string rightAligned(const std::string& text, std::size_t cells) {
    return std::string(cells > text.size() ? cells - text.size() : 0, ' ') + text;
}

// `text` followed by blanks up to `cells` cells; ASCII text only.
std::string leftAligned(const std::string& text, std::size_t cells) {
    return text + std::string(cells > text.size() ? cells - text.size() : 0, ' ');
}

// A question's number as written over it: "(7)".
std::string numberText(std::size_t index) { return "(" + std::to_string(index + 1) + ")"; }

// The centred title of the paper or of its answer sheet.
std::string titleLine(const LevelPaper& paper, const char* kind) {
    return kSheetCentredMark + std::string(kTitle) + levelRow(paper.level).caption + kind;
}

// Strips the blanks at the end of a line.
std::string trimmed(std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

// Column sums `first` .. `first + count` side by side: their numbers, their terms, a rule and
// a line to write the answers on, then an empty line.
void writeSumRow(const std::vector<SumQuestion>& sums, std::size_t first, std::size_t count,
                 std::vector<std::string>& lines) {
    std::string numbers = kNumberLabel;
    std::size_t rows = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        numbers += rightAligned(numberText(i), kColumnCells);
        rows = std::max(rows, sums[i].terms.size());
    }
    lines.push_back(numbers);
    for (std::size_t row = 0; row < rows; ++row) {
        std::string line(kLabelCells, ' ');
        for (std::size_t i = first; i < first + count; ++i) {
            const std::vector<std::string> terms = columnLines(sums[i]);
            line += rightAligned(row < terms.size() ? terms[row] : "", kColumnCells);
        }
        lines.push_back(trimmed(line));
    }
    std::string rule(kLabelCells, ' ');
    std::string answers = kAnswerLabel;
    for (std::size_t i = first; i < first + count; ++i) {
        rule += rightAligned(kRule, kColumnCells);
        answers += rightAligned(kAnswerBlank, kColumnCells);
    }
    lines.push_back(rule);
    lines.push_back(answers);
    lines.emplace_back();
}

// The multiplications two to a line, each with a blank to write its answer on.
void writeProducts(const std::vector<ProductQuestion>& products, std::vector<std::string>& lines) {
    std::string line;
    for (std::size_t i = 0; i < products.size(); ++i) {
        const std::string question =
            rightAligned(numberText(i), 4) + " " + productLine(products[i]) + " " + kAnswerBlank;
        line += (i % kProductsPerRow == 0) ? leftAligned(question, kProductCells) : question;
        if (i % kProductsPerRow == kProductsPerRow - 1 || i + 1 == products.size()) {
            lines.push_back(line);
            line.clear();
        }
    }
    lines.emplace_back();
}

// Answers five to a line: "(1) 123".
void writeAnswers(const std::vector<std::int32_t>& answers, std::vector<std::string>& lines) {
    std::string line;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        line += leftAligned(numberText(i) + " " + std::to_string(answers[i]), kAnswerCells);
        if (i % kAnswersPerRow == kAnswersPerRow - 1 || i + 1 == answers.size()) {
            lines.push_back(trimmed(line));
            line.clear();
        }
    }
    lines.emplace_back();
}

}  // namespace

std::vector<std::string> levelPaperSheet(const LevelPaper& paper, int minutesPerItem) {
    std::vector<std::string> lines{titleLine(paper, kPaperTitle), kNameLine,
                                   "本试卷只用整数。每项" + std::to_string(kQuestionsPerItem) +
                                       "题，限时" + std::to_string(minutesPerItem) +
                                       "分钟，每项做对" + std::to_string(kPassMark) + "题为通过。",
                                   ""};
    lines.push_back(kAdditionHeading);
    for (std::size_t first = 0; first < paper.additionItem.size(); first += kSumsPerRow) {
        writeSumRow(paper.additionItem, first,
                    std::min(kSumsPerRow, paper.additionItem.size() - first), lines);
    }
    if (!paper.multiplicationItem.empty()) {
        lines.push_back(kMultiplicationHeading);
        writeProducts(paper.multiplicationItem, lines);
    }
    lines.push_back(kSheetPageBreak);
    lines.push_back(titleLine(paper, kAnswerTitle));
    lines.emplace_back();
    lines.push_back(kAdditionHeading);
    std::vector<std::int32_t> answers;
    for (const SumQuestion& sum : paper.additionItem) answers.push_back(sum.answer);
    writeAnswers(answers, lines);
    if (!paper.multiplicationItem.empty()) {
        lines.push_back(kMultiplicationHeading);
        answers.clear();
        for (const ProductQuestion& product : paper.multiplicationItem) {
            answers.push_back(product.answer);
        }
        writeAnswers(answers, lines);
    }
    return lines;
}
