// Where the question stands for each layout and display mode: the unbroken row, the board
// beside or under it, the vertical sum over its rule, the arrow at the blank and the digit
// boxes of right-to-left entry.

#include "display/question_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/loaded_trainer.h"

namespace {

class QuestionLayout : public LoadedTrainer {
  protected:
    // Puts a question into the line and chooses layout, display mode, blank and arrow.
    void ask(const char* first, const char* sign, const char* second, const char* result) {
        form.Label11.setCaption(first);
        form.Label12.setCaption(sign);
        form.Label13.setCaption(second);
        form.Label14.setCaption("=");
        form.Label15.setCaption(result);
    }
    void arrange(const char* layout, const char* mode, std::int16_t blank,
                 const char* arrow = "→") {
        form.Command8.setCaption(layout);
        form.Label16.setCaption(mode);
        form.Label28.setCaption(arrow);
        form.Label18.setCaption(arrow);
        state.blankPosition = blank;
        aaa(trainer.window);
    }
    static int right(const Element& e) { return e.left + e.width; }
    std::vector<bool> shown(std::initializer_list<const Element*> elements) {
        std::vector<bool> flags;
        for (const Element* e : elements) flags.push_back(e->visible);
        return flags;
    }
    std::vector<bool> questionLine() {
        return shown({&form.Label11, &form.Label12, &form.Label13, &form.Label14, &form.Label15,
                      &form.Label17, &form.Line1, &form.Picture2, &form.Picture4, &form.Picture3});
    }
};

using Flags = std::vector<bool>;
constexpr bool V = true;
constexpr bool H = false;

TEST_F(QuestionLayout, NumberRowIsOneUnbrokenLineWithTheArrowAtTheBlank) {
    form.List1.visible = true;
    for (const char* first : {"7", "1234"}) {
        ask(first, "×", "56", "(    )");
        arrange("单  列", "心算", 1);
        EXPECT_FALSE(form.List1.visible);
        EXPECT_EQ(form.Text1.left, right(form.Label9));
        EXPECT_EQ(questionLine(), (Flags{V, V, V, V, V, H, H, H, H, H}));
        EXPECT_EQ(form.Label13.left, 3180);
        EXPECT_EQ(right(form.Label11), form.Label12.left);
        EXPECT_EQ(right(form.Label12), form.Label13.left);
        EXPECT_EQ(right(form.Label13), form.Label14.left);
        EXPECT_EQ(right(form.Label14), form.Label15.left);
        for (const Element* term :
             {&form.Label11, &form.Label12, &form.Label13, &form.Label14, &form.Label15}) {
            EXPECT_EQ(term->top, 2720) << term->name;
        }
    }
    EXPECT_EQ(form.Label15.left, 3180 + 840 + 420);
    EXPECT_EQ(form.Label18.left, right(form.Label15) - 80);
    EXPECT_EQ(form.Label18.top, 2720);

    arrange("双  列", "心算", 2, "←");
    EXPECT_EQ(form.Label18.left, 3180 - 210 + 80);
    arrange("双  列", "心算", 3, "←");
    EXPECT_EQ(form.Label18.left, form.Label11.left - 210 + 80);

    form.Label18.top = 99;
    form.Label18.left = 98;
    arrange("单  列", "心算", 0);
    EXPECT_EQ(form.Label18.top, 99) << "no blank, no arrow placement";
    EXPECT_EQ(form.Label18.left, 98);
}

TEST_F(QuestionLayout, BoardAndNumbersRowHidesTheBlankOperandUnderTheLeftArrow) {
    ask("12", "+", "(   )", "17");
    arrange("单  列", "珠心算", 2);
    EXPECT_EQ(questionLine(), (Flags{V, V, V, V, V, H, H, V, V, V}));
    EXPECT_EQ(form.Picture2.left, 1000);
    EXPECT_EQ(form.Picture4.left, 1000 + 1815 + 50);
    EXPECT_EQ(form.Picture3.left, 1000 + 2 * (1815 + 50));
    EXPECT_EQ(form.Picture3.top, 1440);
    EXPECT_EQ(form.Label13.left, 3180);
    EXPECT_EQ(form.Label18.left, right(form.Label13));
    EXPECT_FALSE(form.Labe1.visible);

    arrange("单  列", "珠心算", 2, "←");
    EXPECT_EQ(questionLine(), (Flags{V, V, H, V, V, H, H, V, V, V}));
    EXPECT_EQ(form.Label18.left, 3180 - 210);
    EXPECT_EQ(form.Labe5.left, 600);
    for (const Element* box : {&form.Labe5, &form.Labe4, &form.Labe3, &form.Labe2, &form.Labe1}) {
        EXPECT_TRUE(box->visible);
        EXPECT_EQ(box->top, 3840);
    }
    EXPECT_EQ(form.Labe4.left, right(form.Labe5));
    EXPECT_EQ(form.Labe1.left, right(form.Labe2));

    arrange("单  列", "珠心算", 3, "←");
    EXPECT_EQ(questionLine(), (Flags{H, V, V, V, V, H, H, V, V, V}));
    arrange("单  列", "珠心算", 1, "←");
    EXPECT_EQ(questionLine(), (Flags{V, V, V, V, V, H, H, V, V, V}));
    EXPECT_EQ(form.Label18.left, form.Label15.left - 210);
}

TEST_F(QuestionLayout, BoardRowReadsRowOperatorRowEqualsRowWithTheAnswerUnderTheBlank) {
    ask("12", "+", "5", "");
    form.Label17.setCaption("17");
    arrange("单  列", "珠算", 1);
    EXPECT_EQ(questionLine(), (Flags{H, V, H, V, H, V, H, V, V, V}));
    EXPECT_EQ(form.Line1.x1 + form.Line1.y1 + form.Line1.x2 + form.Line1.y2, 0);
    EXPECT_EQ(form.Label12.left, 1000 + 1815);
    EXPECT_EQ(form.Label12.top, 1440 + 160);
    EXPECT_EQ(form.Picture4.left, right(form.Label12));
    EXPECT_EQ(form.Label14.left, right(form.Picture4));
    EXPECT_EQ(form.Label14.top, form.Label12.top);
    EXPECT_EQ(form.Picture3.left, right(form.Label14));
    EXPECT_EQ(form.Label17.top, 1440 + 1100);
    EXPECT_EQ(right(form.Label17), right(form.Picture3));
    EXPECT_EQ(form.Label18.left, right(form.Label17));
    EXPECT_EQ(form.Label18.top, form.Label17.top);

    arrange("单  列", "珠算", 3, "←");
    EXPECT_EQ(right(form.Label17), right(form.Picture2));
    EXPECT_EQ(right(form.Label18), form.Label17.left);
    EXPECT_EQ(form.Label11.left, 0);
}

TEST_F(QuestionLayout, VerticalSumIsRightAlignedOverItsRule) {
    ask("1234", "-", "56", "(     )");
    arrange("竖  式", "心算", 1);
    EXPECT_EQ(questionLine(), (Flags{V, V, V, H, V, H, V, H, H, H}));
    EXPECT_EQ(right(form.Label11), 4560);
    EXPECT_EQ(right(form.Label13), 4560);
    EXPECT_EQ(right(form.Label15), 4560);
    EXPECT_EQ(form.Label11.top, 1780);
    EXPECT_EQ(form.Label13.top, 2520);
    EXPECT_EQ(form.Label15.top, 3320);
    EXPECT_EQ(right(form.Label12), form.Label11.left) << "operator beside the wider first term";
    EXPECT_EQ(form.Line1.x1, form.Label12.left);
    EXPECT_EQ(form.Line1.x2, 4560);
    EXPECT_EQ(form.Line1.y1, 3300);
    EXPECT_EQ(form.Line1.y2, 3300);
    EXPECT_EQ(form.Line1.thickness, 3);
    EXPECT_EQ(form.Label18.top, 3330);
    EXPECT_EQ(form.Label18.left, 4560 - 80);

    form.Command6.setCaption("填  空");
    ask("12", "-", "(   )", "7");
    arrange("竖  式", "珠心算", 2, "←");
    EXPECT_EQ(questionLine(), (Flags{V, V, V, H, V, H, V, V, V, V}));
    EXPECT_EQ(right(form.Label11), 4580);
    EXPECT_EQ(right(form.Label13), 4580);
    EXPECT_EQ(right(form.Label12), form.Label13.left);
    EXPECT_EQ(form.Line1.x2, 4580 - 420);
    EXPECT_EQ(form.Label18.top, 2530);
    EXPECT_EQ(form.Label18.left, form.Label13.left - 210 + 480);
    EXPECT_EQ(form.Picture2.left, 4920);
    EXPECT_EQ(form.Picture3.left, 4920);
    EXPECT_EQ(form.Picture4.top, 1240 + 1150);
    EXPECT_EQ(form.Picture3.top, 1240 + 2300);

    ask("12", "+", "34", "(   )");
    arrange("竖  式", "心算", 1);
    EXPECT_EQ(right(form.Label12), form.Label13.left) << "equal widths: beside the second";
}

TEST_F(QuestionLayout, BoardSumStacksTheRowsWithTheAnswerBesideTheBlankRow) {
    ask("12", "+", "5", "");
    form.Label17.setCaption("17");
    arrange("竖  式", "珠算", 1);
    EXPECT_EQ(questionLine(), (Flags{H, V, H, H, H, V, V, V, V, V}));
    EXPECT_EQ(form.Picture2.top, 1240);
    EXPECT_EQ(form.Picture4.top, 1240 + 1095 + 25);
    EXPECT_EQ(form.Picture3.top, 1240 + 2 * 1095 + 75);
    EXPECT_EQ(form.Picture4.left, 2670);
    EXPECT_EQ(right(form.Label12), 2670);
    EXPECT_EQ(form.Label12.top, form.Picture3.top - form.Label12.height);
    EXPECT_EQ(form.Line1.y1, 1240 + 2 * 1095 + 50);
    EXPECT_EQ(form.Line1.x1, form.Label12.left);
    EXPECT_EQ(form.Line1.x2, 2670 + 1815);
    EXPECT_EQ(form.Label17.left, 2670 + 1815 + 350);
    EXPECT_EQ(form.Label17.top, 3692) << "centred on the result row, half to even";
    EXPECT_EQ(form.Label18.left, right(form.Label17));

    arrange("竖  式", "珠算", 2, "←");
    EXPECT_EQ(form.Label17.top, 2548) << "centred on the second row, half to even";
    EXPECT_EQ(right(form.Label18), form.Label17.left);
    form.Command6.setCaption("填  空");
    arrange("竖  式", "珠算", 2, "←");
    EXPECT_EQ(form.Label18.left, form.Label17.left - 210 + 400);
}

TEST_F(QuestionLayout, UnknownDisplayModeMovesNothingButTheBoxesAndTheBoard) {
    ask("12", "+", "5", "17");
    arrange("单  列", "珠算", 1, "←");
    const int operatorLeft = form.Label12.left;
    form.Label15.setCaption("9");
    arrange("单  列", "心算?", 1);
    EXPECT_EQ(form.Label12.left, operatorLeft);
    EXPECT_FALSE(form.Labe1.visible) << "the digit boxes still follow the arrow";
    EXPECT_EQ(form.Picture14.picture, "A19") << "and the board is still drawn";
}

}  // namespace
