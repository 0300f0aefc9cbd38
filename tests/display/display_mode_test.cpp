// The display-mode label: the three-step cycle, the status line it keeps unbroken, and the
// layout it runs after every click.

#include "display/display_mode.h"

#include <gtest/gtest.h>

#include "support/loaded_trainer.h"

namespace {

using DisplayMode = LoadedTrainer;

TEST_F(DisplayMode, CycleKeepsTheStatusLineClosedAndLaysTheQuestionOutEachTime) {
    const auto statusLineIsClosed = [this] {
        return form.Label16.left == form.Label28.left + form.Label28.width &&
               form.Label29.left == form.Label16.left + form.Label16.width;
    };
    ASSERT_TRUE(statusLineIsClosed());
    form.List1.visible = true;

    trainer.click("Label16");
    EXPECT_EQ(form.Label16.caption(), "心算");
    EXPECT_TRUE(statusLineIsClosed());
    EXPECT_FALSE(form.List1.visible);
    EXPECT_FALSE(form.Picture2.visible);

    form.Label16.left = 5000;
    const int examWordLeft = form.Label29.left;
    trainer.click("Label16");
    EXPECT_EQ(form.Label16.caption(), "珠算");
    EXPECT_EQ(form.Label16.left, 5000) << "心算 to 珠算 moves no label";
    EXPECT_EQ(form.Label29.left, examWordLeft);
    EXPECT_TRUE(form.Label17.visible);
    EXPECT_TRUE(form.Picture3.visible);

    trainer.click("Label16");
    EXPECT_EQ(form.Label16.caption(), "珠心算");
    EXPECT_TRUE(statusLineIsClosed());
    EXPECT_FALSE(form.Label17.visible);
    EXPECT_EQ(form.Picture4.left, 1000 + 1815 + 50);

    for (int click = 0; click < 300; ++click) trainer.click("Label16");
    EXPECT_EQ(form.Label16.caption(), "珠心算");
    EXPECT_TRUE(statusLineIsClosed());
}

TEST_F(DisplayMode, UnknownCaptionStaysButTheLayoutStillRuns) {
    form.Label16.setCaption("算");
    form.Label28.setCaption("←");
    form.List1.visible = true;
    trainer.click("Label16");
    EXPECT_EQ(form.Label16.caption(), "算");
    EXPECT_FALSE(form.List1.visible);
    EXPECT_TRUE(form.Labe3.visible);
    EXPECT_EQ(form.Picture9.picture, "A10");
}

}  // namespace
