// The keypad during a run: how many digits each digit count accepts, the spaced entry of a
// vertical fill-in sum, and keys that type nothing between runs.

#include <gtest/gtest.h>

#include <string>

#include "support/run_driver.h"

namespace {

class Keypad : public RunDriver {
  protected:
    void startWithDigits(int digitsIndex) {
        trainer.choose("Combo2", digitsIndex);
        trainer.click("Command4");
    }
    bool keysEnabled() const {
        for (const Element& key : form.Command1) {
            if (key.enabled != form.Command1[0].enabled) ADD_FAILURE() << "keys disagree";
        }
        return form.Command1[0].enabled;
    }
    void press(int key) { trainer.click("Command1(" + std::to_string(key) + ")"); }
};

TEST_F(Keypad, OneDigitQuestionsTakeTwoDigitsUntilClearedAgain) {
    startWithDigits(0);
    press(9);
    EXPECT_TRUE(keysEnabled());
    press(9);
    EXPECT_FALSE(keysEnabled());
    press(5);
    EXPECT_EQ(form.Label15.caption(), "99");
    trainer.click("Command2");
    EXPECT_TRUE(keysEnabled());
    press(5);
    EXPECT_EQ(form.Label15.caption(), "5");
}

TEST_F(Keypad, FourDigitQuestionsTakeFiveDigitsThoughTenThousandIsWithinTheValueLimits) {
    startWithDigits(3);
    for (const int key : {1, 0, 0, 0}) {
        press(key);
        EXPECT_TRUE(keysEnabled());
    }
    press(0);
    EXPECT_FALSE(keysEnabled());
    EXPECT_EQ(state.typedValue, 10000);
    EXPECT_EQ(form.Label15.caption(), "10000");
}

TEST_F(Keypad, VerticalFillInSumSpacesTheTypedNumberLikeItsTerms) {
    trainer.click("Command6");
    trainer.click("Command8");
    trainer.click("Command8");
    ASSERT_EQ(form.Command8.caption(), "竖  式");
    trainer.click("Command4");
    Element* const blank = state.blankPosition == 1   ? &form.Label15
                           : state.blankPosition == 2 ? &form.Label13
                                                      : &form.Label11;
    for (const Element* term : {&form.Label11, &form.Label13, &form.Label15}) {
        if (term == blank) {
            EXPECT_EQ(term->foreColor, (Rgb{0, 255, 255}));
        } else {
            EXPECT_EQ(term->caption().back(), ' ') << term->name;
            EXPECT_EQ(term->foreColor, (Rgb{0, 0, 0})) << term->name;
        }
    }
    press(7);
    EXPECT_EQ(form.Label17.caption(), " 7");
    EXPECT_EQ(blank->caption(), " 7 ");
    press(4);
    EXPECT_EQ(blank->caption(), " 74 ");
}

TEST_F(Keypad, BetweenRunsTheKeysTypeNothing) {
    form.Label15.setCaption("12");
    for (const int key : {6, 8, 9}) press(key);
    EXPECT_EQ(state.typedDigitCount, 0);
    EXPECT_EQ(state.typedValue, 0);
    EXPECT_EQ(form.Label15.caption(), "12");
    EXPECT_EQ(form.Label17.caption(), "");
}

}  // namespace
