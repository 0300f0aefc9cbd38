// Papers under rough handling: a thousand papers in a row, a huge name in the name box, a
// missing setting, the four-operation vertical paper that the settings never offer, and
// five-digit terms beside the three-digit question number 100.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "paper_trainer.h"

namespace {

using PaperRobustness = PaperTrainer;

bool anyLineContains(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(text) != std::string::npos;
    });
}

// Where each number of a line ends, counted in characters.
std::vector<std::ptrdiff_t> numberEnds(const std::string& line) {
    static const std::regex kNumber(R"(\d+(?![\d)]))");
    std::vector<std::ptrdiff_t> ends;
    for (auto match = std::sregex_iterator(line.begin(), line.end(), kNumber);
         match != std::sregex_iterator(); ++match) {
        ends.push_back(match->position() + match->length());
    }
    return ends;
}

TEST_F(PaperRobustness, EverySumOfAHundredQuestionVerticalPaperKeepsItsUnitsInOneColumn) {
    choose("Combo1", 2);   // "+-": sums of four-digit terms reach five digits
    choose("Combo2", 3);   // four digits
    choose("Combo3", 10);  // a hundred questions
    form.Command8.setCaption("竖  式");
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        random.seed(seed);
        const std::size_t start = form.List1.items.size();
        pressMenuKey(8);
        const std::vector<std::string>& lines = form.List1.items;
        for (std::size_t i = start; i + 1 < lines.size(); ++i) {
            static const std::regex kTermsLine(R"(^ *\d+\) )");
            static const std::regex kOperandsLine(R"([+-] \d)");
            if (!std::regex_search(lines[i], kTermsLine) ||
                !std::regex_search(lines[i + 1], kOperandsLine))
                continue;
            EXPECT_EQ(numberEnds(lines[i]), numberEnds(lines[i + 1])) << "seed " << seed << "\n"
                                                                      << lines[i] << "\n"
                                                                      << lines[i + 1];
        }
    }
}

TEST_F(PaperRobustness, AThousandPapersInARowAreNumberedOnAndAllComplete) {
    choose("Combo3", 0);  // five questions a paper
    pressMenuKey(8);
    const std::size_t linesPerPaper = form.List1.items.size();
    for (int paper = 2; paper <= 1000; ++paper) pressMenuKey(8);

    EXPECT_EQ(form.List1.items.size(), 1000 * linesPerPaper);
    EXPECT_EQ(state.runNumber, 1000);
    EXPECT_EQ(form.Command1[8].caption(), "1000");
    const auto lastTitles = std::count_if(
        form.List1.items.end() - static_cast<long>(linesPerPaper), form.List1.items.end(),
        [](const std::string& line) { return line.rfind("    1000号试卷 (", 0) == 0; });
    EXPECT_EQ(lastTitles, 2) << "the header and the answer sheet of paper 1000";
    EXPECT_EQ(state.appState, 1);
    EXPECT_EQ(state.runActive, "0");
    EXPECT_TRUE(form.Command1[8].enabled);
}

TEST_F(PaperRobustness, AHugeNameInTheNameBoxChangesNothingOnThePaper) {
    const std::string hugeName(10000, 'x');
    choose("Combo3", 1);
    type("Text1", hugeName);
    pressMenuKey(8);

    EXPECT_EQ(state.learnerName, hugeName);
    EXPECT_FALSE(anyLineContains(form.List1.items, "xx"));
    EXPECT_TRUE(anyLineContains(form.List1.items, "答案纸"));
    EXPECT_EQ(form.List1.items.size(), 3u + 10u + 4u + 4u + 2u + 2u)
        << "header, ten questions, score box, title lines, two sheet lines, closing lines";
}

TEST_F(PaperRobustness, AMissingSettingTakesTheFocusToItsList) {
    for (const char* list : {"Combo1", "Combo2", "Combo3", "Combo4"}) {
        SCOPED_TRACE(list);
        type(list, "");
        pressMenuKey(8);
        EXPECT_EQ(form.focus, form.find(list));
        choose(list, 1);
    }
    EXPECT_TRUE(form.List1.items.empty());
}

TEST_F(PaperRobustness, AFourOperationVerticalPaperIsRefusedAndTheWindowStaysUsable) {
    choose("Combo1", 6);
    form.Command8.setCaption("竖  式");  // the settings handlers never combine the two
    headless.sound.played.clear();
    pressMenuKey(8);

    EXPECT_EQ(headless.dialogs.shown.back(), "不能选择加减乘除四则混合运算的竖式出题模式");
    EXPECT_TRUE(headless.sound.played.empty()) << "no key click";
    EXPECT_EQ(form.List1.items.size(), 3u) << "only the header";
    EXPECT_EQ(state.runActive, "0");
    EXPECT_TRUE(form.Command4.enabled);
    EXPECT_TRUE(form.Text1.enabled);
    EXPECT_EQ(form.Command1[8].caption(), "出卷");

    form.Command8.setCaption("双  列");
    pressMenuKey(8);
    EXPECT_TRUE(anyLineContains(form.List1.items, "    2号试卷 ("));
    EXPECT_TRUE(anyLineContains(form.List1.items, "答案纸"));
}

}  // namespace
