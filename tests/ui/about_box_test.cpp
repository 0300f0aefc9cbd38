// The about box: one instance, closed by any click, and the help file behind "完全版说明".

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/loaded_trainer.h"

namespace {

using AboutBox = LoadedTrainer;

TEST_F(AboutBox, OpensOnceAndComesToTheFrontWhenAskedAgain) {
    EXPECT_FALSE(about.help.visible);
    trainer.click("Label31");
    EXPECT_TRUE(about.help.visible);
    EXPECT_EQ(about.help.caption(), "欢迎使用");
    EXPECT_NE(about.Label1.caption(), "");
    EXPECT_NE(about.Label3.caption(), "Label3");
    trainer.click("Label31");
    EXPECT_TRUE(about.loaded);
    EXPECT_EQ(about.raiseRequests, 1u);
}

TEST_F(AboutBox, AnyClickButTheHelpLabelClosesWithoutOpeningTheHelpFile) {
    for (const char* name :
         {"help", "help.picIcon", "help.lblTitle", "help.lblVersion", "help.lblDescription",
          "help.Label1", "help.Label3", "help.Label4", "help.Label5"}) {
        trainer.click("Label31");
        trainer.click(name);
        EXPECT_FALSE(about.loaded) << name;
        EXPECT_FALSE(about.help.visible) << name;
    }
    EXPECT_TRUE(trainer.helpViewer.requests.empty());
    EXPECT_TRUE(trainer.dialogs.shown.empty());
}

TEST_F(AboutBox, ClosedBoxTakesNoClicks) {
    trainer.click("help.Label2");
    EXPECT_TRUE(trainer.helpViewer.requests.empty());
}

TEST_F(AboutBox, MissingHelpFileIsSaidPlainlyAndTheBoxCloses) {
    trainer.click("Label31");
    trainer.click("help.Label2");
    ASSERT_EQ(trainer.helpViewer.requests.size(), 1u);
    EXPECT_EQ(trainer.helpViewer.requests[0], "/nonexistent-folder/珠心算.hlp");
    ASSERT_EQ(trainer.dialogs.shown.size(), 1u);
    EXPECT_NE(trainer.dialogs.shown[0].find("珠心算.hlp"), std::string::npos);
    EXPECT_FALSE(about.loaded);
}

TEST(AboutBoxHelpFile, PresentHelpFileIsOpenedWithoutAMessage) {
    const auto folder = std::filesystem::temp_directory_path() / "abacus-help-test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "珠心算.hlp") << "help";
    HeadlessWindow trainer(folder.string());
    trainer.load();
    trainer.click("Label31");
    trainer.click("help.Label2");
    ASSERT_EQ(trainer.helpViewer.requests.size(), 1u);
    EXPECT_EQ(std::filesystem::path(trainer.helpViewer.requests[0]), folder / "珠心算.hlp");
    EXPECT_TRUE(trainer.dialogs.shown.empty());
    EXPECT_FALSE(trainer.window.help.loaded);
    std::filesystem::remove_all(folder);
}

}  // namespace
