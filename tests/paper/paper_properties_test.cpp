// Over many papers in every mode, digit count, layout and question kind: every question
// appears once on the paper and once on the answer sheet, and the sheet's answer is the value
// of the question's blank; on remainder papers quotient × divisor + remainder is the dividend.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <numeric>
#include <optional>
#include <set>
#include <string>

#include "paper_trainer.h"
#include "printed_paper.h"

namespace {

constexpr const char* kLayouts[] = {"单  列", "双  列", "竖  式"};
constexpr int kFourOperationMode = 6;
constexpr int kDivisionMode = 4;
constexpr int kSeeds = 6;

struct PaperKind {
    int mode;
    int digits;
    int countIndex;
    const char* layout;
    bool fillIn;
    bool childTitle;  // the name box holds "小朋友"
};

std::string describe(const PaperKind& kind, std::uint32_t seed) {
    return "mode " + std::to_string(kind.mode) + ", digits index " + std::to_string(kind.digits) +
           ", count index " + std::to_string(kind.countIndex) + ", " + kind.layout +
           (kind.fillIn ? ", fill-in" : ", normal") + (kind.childTitle ? ", 小朋友" : "") +
           ", seed " + std::to_string(seed);
}

// The value the blank term of `question` must take for the question to be right; nothing
// when the question does not work out (an inexact division, a wrong count of blanks).
std::optional<long> blankValue(const PrintedQuestion& question) {
    const bool firstBlank = isBlankTerm(question.first);
    const bool secondBlank = isBlankTerm(question.second);
    const bool resultBlank = isBlankTerm(question.result);
    if (firstBlank + secondBlank + resultBlank != 1) return std::nullopt;
    const long a = firstBlank ? 0 : std::stol(question.first);
    const long b = secondBlank ? 0 : std::stol(question.second);
    const long c = resultBlank ? 0 : std::stol(question.result);
    const std::string& sign = question.sign;
    const auto exactly = [](long dividend, long divisor) -> std::optional<long> {
        if (divisor == 0 || dividend % divisor != 0) return std::nullopt;
        return dividend / divisor;
    };
    if (resultBlank) {
        if (sign == "+") return a + b;
        if (sign == "-") return a - b;
        if (sign == "×") return a * b;
        return exactly(a, b);
    }
    if (secondBlank) {
        if (sign == "+") return c - a;
        if (sign == "-") return a - c;
        if (sign == "×") return exactly(c, a);
        return exactly(a, c);
    }
    if (sign == "+") return c - b;
    if (sign == "-") return c + b;
    if (sign == "×") return exactly(c, b);
    return c * b;
}

class PaperProperties : public PaperTrainer, public ::testing::WithParamInterface<int> {
  protected:
    std::size_t paperStart = 0;  // the first record-list line of the paper just written

    void writePaper(const PaperKind& kind, std::uint32_t seed) {
        random.seed(seed);
        choose("Combo1", kind.mode);
        choose("Combo2", kind.digits);
        choose("Combo3", kind.countIndex);
        if (!form.Text1.enabled) {
            pressMenuKey(6);  // a paper locks the name box until the window is reset
            pressMenuKey(6);
        }
        type("Text1", kind.childTitle ? "小朋友" : "豆 豆");
        form.Command6.setCaption(kind.fillIn ? "填  空" : "正  常");
        form.Command8.setCaption(kind.layout);
        paperStart = form.List1.items.size();
        pressMenuKey(8);
    }

    // Checks the paper just written against its answer sheet.
    void checkPaper(const PaperKind& kind, std::uint32_t seed) {
        SCOPED_TRACE(describe(kind, seed));
        const bool vertical = std::string(kind.layout) == "竖  式";
        const bool remainders = kind.childTitle && !kind.fillIn && kind.mode == kDivisionMode;
        const std::vector<std::string> lines(
            form.List1.items.begin() + static_cast<long>(paperStart), form.List1.items.end());
        const PrintedPaper paper = readLastPaper(lines, vertical, remainders);
        const int total = state.questionTotal;

        std::vector<int> printed;
        for (const PrintedQuestion& question : paper.questions) printed.push_back(question.number);
        std::sort(printed.begin(), printed.end());
        std::vector<int> everyNumber(static_cast<std::size_t>(total));
        std::iota(everyNumber.begin(), everyNumber.end(), 1);
        ASSERT_EQ(printed, everyNumber) << "each question once on the paper";
        ASSERT_EQ(paper.answers.size(), static_cast<std::size_t>(total))
            << "each question once on the answer sheet";

        for (const PrintedQuestion& question : paper.questions) {
            SCOPED_TRACE("question " + std::to_string(question.number));
            const PrintedAnswer& sheet = paper.answers.at(question.number);
            if (remainders) {
                ASSERT_EQ(question.sign, "÷");
                ASSERT_TRUE(sheet.remainder.has_value());
                const long dividend = std::stol(question.first);
                const long divisor = std::stol(question.second);
                EXPECT_EQ(sheet.answer * divisor + *sheet.remainder, dividend);
                EXPECT_GT(*sheet.remainder, 0);
                EXPECT_LT(*sheet.remainder, divisor);
                continue;
            }
            const auto expected = blankValue(question);
            ASSERT_TRUE(expected.has_value()) << "one blank and an exact division";
            EXPECT_EQ(sheet.answer, *expected);
        }
    }
};

TEST_P(PaperProperties, AnswerSheetHoldsTheValueOfEveryBlank) {
    const int mode = GetParam();
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        for (int digits = 0; digits < 4; ++digits) {
            for (const char* layout : kLayouts) {
                if (mode == kFourOperationMode && std::string(layout) == "竖  式") continue;
                for (const bool fillIn : {false, true}) {
                    for (const bool childTitle : {false, true}) {
                        const PaperKind kind{
                            mode,
                            digits,
                            static_cast<int>((seed * 3 + static_cast<std::uint32_t>(digits)) % 11),
                            layout,
                            fillIn,
                            childTitle};
                        writePaper(kind, seed);
                        checkPaper(kind, seed);
                        if (HasFatalFailure()) return;
                    }
                }
            }
        }
    }
}

// The display column where the last question number of a paper line starts: a character
// outside ASCII ("×", "÷", a Chinese character) takes two columns, as on screen and on paper.
std::optional<int> lastNumberColumn(const std::string& line) {
    std::optional<int> found;
    int column = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if ((byte & 0xC0) == 0x80) continue;
        const bool startsNumber = std::isdigit(byte) && (i == 0 || line[i - 1] == ' ');
        if (startsNumber) {
            std::size_t end = i;
            while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
            if (end < line.size() && line[end] == ')') found = column;
        }
        column += byte < 0x80 ? 1 : 2;
    }
    return found;
}

// In two columns, every right-column question starts in one display column, the one written
// alone on the last line of a paper with an odd count included, in every kind of paper.
TEST_P(PaperProperties, RightColumnStartsInOneColumnDownToALoneLastQuestion) {
    const int mode = GetParam();
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        for (int digits = 0; digits < 4; ++digits) {
            for (const bool fillIn : {false, true}) {
                for (const bool childTitle : {false, true}) {
                    const int countIndex = static_cast<int>((seed * 5 + digits * 2) % 20);
                    const PaperKind kind{mode, digits, countIndex, "双  列", fillIn, childTitle};
                    SCOPED_TRACE(describe(kind, seed));
                    writePaper(kind, seed);
                    const auto first = form.List1.items.begin() + static_cast<long>(paperStart);
                    const auto rule = std::find_if(first, form.List1.items.end(), [](auto& line) {
                        return line.find("-----") != std::string::npos;
                    });
                    ASSERT_NE(rule, form.List1.items.end());
                    std::set<int> columns;
                    int lines = 0;
                    for (auto line = rule + 1; line->find(')') != std::string::npos; ++line) {
                        const auto column = lastNumberColumn(*line);
                        ASSERT_TRUE(column.has_value()) << *line;
                        columns.insert(*column);
                        ++lines;
                    }
                    EXPECT_EQ(lines, (state.questionTotal + 1) / 2);
                    EXPECT_EQ(columns.size(), 1u) << "right-column numbers start in one column";
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMode, PaperProperties, ::testing::Range(0, 7));

}  // namespace
