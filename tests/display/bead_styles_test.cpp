// Bead styles: the four step procedures round the twenty styles, the fifteen rods that
// drive them, the hundreds rods that copy row 3, and the click cue.

#include "display/bead_styles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/question_layout.h"
#include "support/loaded_trainer.h"

namespace {

class BeadStyles : public LoadedTrainer {
  protected:
    // Lays the board out so that a person can reach its rods.
    void SetUp() override {
        LoadedTrainer::SetUp();
        form.Label11.setCaption("3");
        aaa(trainer.window);
    }
    std::vector<std::string> styles() const {
        return {state.beadStyle1, state.beadStyle2, state.beadStyle3};
    }
    void setStyles(const char* first, const char* second, const char* third) {
        state.beadStyle1 = first;
        state.beadStyle2 = second;
        state.beadStyle3 = third;
    }
};

using Texts = std::vector<std::string>;

TEST_F(BeadStyles, StepProceduresWrapRoundTwentyAndLeaveStrangeTextsAlone) {
    struct Step {
        void (*procedure)(WindowContext&);
        const char* from;
        const char* to;
    };
    const Step steps[] = {
        {zmbh1, "1", "2"},       {zmbh1, "19", "20"},    {zmbh1, "20", "1"},
        {zmbh1, "", "1"},        {zmbh2, "18", "20"},    {zmbh2, "19", "1"},
        {zmbh2, "20", "2"},      {zmbh2, "", "1"},       {zmbhhome1, "2", "1"},
        {zmbhhome1, "1", "20"},  {zmbhhome1, "", "1"},   {zmbhhome2, "3", "1"},
        {zmbhhome2, "2", "20"},  {zmbhhome2, "1", "19"}, {zmbhhome2, "", "1"},
        {zmbh1, "21", "21"},     {zmbh2, "0", "0"},      {zmbhhome1, "05", "05"},
        {zmbhhome2, " 3", " 3"}, {zmbh1, "abc", "abc"},
    };
    for (const Step& step : steps) {
        state.beadStyleWork = step.from;
        step.procedure(trainer.window);
        EXPECT_EQ(state.beadStyleWork, step.to) << "from \"" << step.from << "\"";
    }
}

TEST_F(BeadStyles, EachRowsRodsStepItsOwnStyleAndRedrawTheBoard) {
    Texts seen;
    for (int click = 0; click < 10; ++click) {
        trainer.click("Picture5");
        seen.push_back(state.beadStyle1);
    }
    EXPECT_EQ(seen, (Texts{"3", "5", "7", "9", "11", "13", "15", "17", "19", "1"}));

    setStyles("20", "1", "2");
    trainer.click("Picture6");
    trainer.click("Picture13");
    trainer.click("Picture18");
    EXPECT_EQ(styles(), (Texts{"1", "20", "20"}));
    trainer.click("Picture9");
    trainer.click("Picture19");
    trainer.click("Picture17");
    EXPECT_EQ(styles(), (Texts{"19", "18", "19"}));
    trainer.click("Picture8");
    trainer.click("Picture11");
    trainer.click("Picture10");
    trainer.click("Picture15");
    trainer.click("Picture14");
    EXPECT_EQ(styles(), (Texts{"18", "1", "2"}));
    EXPECT_EQ(form.Picture5.picture, "A183");
    EXPECT_EQ(form.Picture10.picture, "A10");
    EXPECT_EQ(form.Picture14.picture, "A20");
    EXPECT_EQ(trainer.sound.played, std::vector<std::int16_t>(21, 112));
}

TEST_F(BeadStyles, HundredsRodsCopyRowThreeAndStillRedrawAndClick) {
    setStyles("4", "9", "13");
    trainer.click("Picture7");
    EXPECT_EQ(styles(), (Texts{"13", "9", "13"}));
    trainer.click("Picture12");
    EXPECT_EQ(styles(), (Texts{"13", "13", "13"}));
    setStyles("4", "9", "13");
    trainer.click("Picture16");
    EXPECT_EQ(styles(), (Texts{"13", "13", "13"}));

    form.Picture5.picture.clear();
    trainer.click("Picture7");
    EXPECT_EQ(form.Picture5.picture, "A133") << "same style, board drawn again";
    EXPECT_EQ(trainer.sound.played.size(), 4U);
}

TEST_F(BeadStyles, SilentWithCuesOffAndSteadyUnderRapidClicks) {
    state.soundMode = "";
    trainer.click("Picture14");
    EXPECT_EQ(state.beadStyle3, "3");
    EXPECT_TRUE(trainer.sound.played.empty());

    state.soundMode = "0";
    setStyles("1", "1", "1");
    for (int click = 0; click < 1000; ++click) {
        trainer.click("Picture5");
        trainer.click("Picture13");
        trainer.click("Picture16");
        trainer.click("Picture15");
    }
    // Rows 1 and 2 hold row 3's style from before its thousandth step.
    EXPECT_EQ(styles(), (Texts{"20", "20", "1"}));
    EXPECT_EQ(trainer.sound.played.size(), 4000U);
    EXPECT_EQ(form.Picture9.picture, "A200");

    form.Picture2.visible = false;
    trainer.click("Picture5");
    EXPECT_EQ(state.beadStyle1, "20") << "a hidden row cannot be clicked";
}

}  // namespace
