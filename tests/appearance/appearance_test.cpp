// 颜色 and 字体: the clear scheme makes every text stand out, and the zoom steps through the
// sizes that fit the screen.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "appearance/colour_scheme.h"
#include "support/loaded_trainer.h"

namespace {

// A trainer whose menu keys are all lit, as after a completed run.
class Appearance : public LoadedTrainer {
  protected:
    void SetUp() override {
        LoadedTrainer::SetUp();
        for (Element& key : form.Command1) key.enabled = true;
    }
};

TEST(ClearScheme, AnyTextColourOnAnyLightenedBackgroundIsDarkenedToSevenToOne) {
    std::mt19937 generator(4);
    std::uniform_int_distribution<int> channel(0, 255);
    const auto colour = [&] {
        const auto next = [&] { return static_cast<std::uint8_t>(channel(generator)); };
        return Rgb{next(), next(), next()};
    };
    for (int i = 0; i < 20000; ++i) {
        const Rgb back = clearBackground(colour());
        const Rgb text = colour();
        const Rgb shown = clearText(text, back);
        EXPECT_GE(contrastRatio(shown, back), 7.0);
        EXPECT_TRUE(shown.red <= text.red && shown.green <= text.green && shown.blue <= text.blue);
    }
}

TEST_F(Appearance, KeyFiveStepsThroughTheZoomsThatFitTheScreenThenBackToFull) {
    const auto zooms = [&](ScreenRoom room) {
        trainer.screen.room = room;
        state.zoomPercent = 100;
        std::vector<int> seen;
        for (int press = 0; press < 4; ++press) {
            trainer.click("Command1(5)");
            seen.push_back(state.zoomPercent);
        }
        return seen;
    };
    EXPECT_EQ(zooms({1158, 974}), (std::vector<int>{125, 150, 200, 100}));
    EXPECT_EQ(zooms({1157, 974}), (std::vector<int>{125, 150, 100, 125}));
    EXPECT_EQ(zooms({1024, 600}), (std::vector<int>{100, 100, 100, 100}));
}

}  // namespace
