// Bead styles: the four step procedures round the twenty styles, and the rods under rapid
// clicks with the cues on and off.

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
