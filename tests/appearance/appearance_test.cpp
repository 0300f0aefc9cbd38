// 颜色 and 字体: the clear scheme makes every text stand out, and the zoom steps through the
// sizes that fit the screen.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "appearance/colour_scheme.h"
#include "appearance/window_zoom.h"
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

constexpr double kReadableContrast = 4.5;

TEST_F(Appearance, TheClearSchemeGivesEveryTextOfTheWindowAReadableContrast) {
    trainer.click("Command1(7)");  // a demonstration shows the rhyme label too
    int texts = 0;
    for (const Element* element : form.elements()) {
        if (!element->foreColor || element->useSystemColours) continue;
        const Rgb back = clearBackground(element->backColor);
        EXPECT_GE(contrastRatio(clearText(*element->foreColor, back), back), kReadableContrast)
            << element->name;
        ++texts;
    }
    EXPECT_GT(texts, 40);
}

TEST(ClearScheme, AnyTextColourOnAnyBackgroundIsDarkenedToSevenToOne) {
    std::mt19937 generator(4);
    std::uniform_int_distribution<int> channel(0, 255);
    const auto colour = [&] {
        return Rgb{static_cast<std::uint8_t>(channel(generator)),
                   static_cast<std::uint8_t>(channel(generator)),
                   static_cast<std::uint8_t>(channel(generator))};
    };
    for (int i = 0; i < 20000; ++i) {
        const Rgb back = clearBackground(colour());
        const Rgb text = colour();
        const Rgb shown = clearText(text, back);
        EXPECT_GE(contrastRatio(shown, back), 7.0);
        EXPECT_LE(shown.red, text.red);
        EXPECT_LE(shown.green, text.green);
        EXPECT_LE(shown.blue, text.blue);
    }
}

TEST_F(Appearance, KeyFourSwitchesTheSchemeAndLeavesTheDesignColoursInTheModel) {
    EXPECT_EQ(state.colourScheme, "0");
    trainer.click("Command1(4)");
    EXPECT_EQ(state.colourScheme, "1");
    EXPECT_EQ(*form.Text1.foreColor, (Rgb{255, 0, 255}));
    trainer.click("Command1(4)");
    EXPECT_EQ(state.colourScheme, "0");
    state.colourScheme = "x";
    trainer.click("Command1(4)");
    EXPECT_EQ(state.colourScheme, "0");
}

TEST_F(Appearance, KeyFiveStepsThroughTheZoomsThatFitTheScreenThenBackToFull) {
    const auto zooms = [&](ScreenRoom room) {
        trainer.screen.room = room;
        std::vector<int> seen;
        for (int press = 0; press < 4; ++press) {
            trainer.click("Command1(5)");
            seen.push_back(state.zoomPercent);
        }
        return seen;
    };
    EXPECT_EQ(state.zoomPercent, 100);
    EXPECT_EQ(zooms({1920, 1080}), (std::vector<int>{125, 150, 200, 100}));
    EXPECT_EQ(zooms({1024, 768}), (std::vector<int>{125, 150, 100, 125}));
    state.zoomPercent = 100;
    EXPECT_EQ(zooms({1158, 974}), (std::vector<int>{125, 150, 200, 100}));
    EXPECT_EQ(zooms({1157, 974}), (std::vector<int>{125, 150, 100, 125}));
    state.zoomPercent = 100;
    EXPECT_EQ(zooms({640, 480}), (std::vector<int>{100, 100, 100, 100}));
}

}  // namespace
