// The about box: one instance, closed by any click, and the help file behind "完全版说明".

#include "ui/about_box.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/loaded_trainer.h"
#include "ui/main_menu.h"

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

TEST_F(AboutBox, AMissingHelpPageIsSaidWithItsPlaceAndTheBoxCloses) {
    trainer.click("Label31");
    trainer.click("help.Label2");
    ASSERT_EQ(trainer.helpViewer.requests.size(), 1u);
    EXPECT_EQ(trainer.helpViewer.requests[0], "/share/abacus-trainer/help.html");
    ASSERT_EQ(trainer.dialogs.shown.size(), 1u);
    EXPECT_EQ(trainer.dialogs.shown[0],
              "没有找到使用说明“/share/abacus-trainer/help.html”，请重新安装本程序。");
    EXPECT_FALSE(about.loaded);
}

TEST_F(AboutBox, TheOldHelpFileAskedForByNameIsStillMissingAsBefore) {
    about.Filename.setCaption("/nonexistent-folder/珠心算.hlp");
    showHelpFile(trainer.window);
    ASSERT_EQ(trainer.dialogs.shown.size(), 1u);
    EXPECT_EQ(trainer.dialogs.shown[0],
              "没有找到帮助文件“珠心算.hlp”，请把它放到本程序所在的文件夹里。");
}

TEST(AboutBoxHelpFile, TheHelpPageInstalledOrInTheBuildFolderOpensWithoutAMessage) {
    const auto top = std::filesystem::temp_directory_path() / "abacus-help-test";
    for (const char* programFolder : {"bin", "src/app"}) {
        std::filesystem::remove_all(top);
        std::filesystem::create_directories(top / programFolder);
        std::filesystem::create_directories(top / "share/abacus-trainer");
        std::ofstream(top / "share/abacus-trainer/help.html") << "<html></html>";
        HeadlessWindow trainer((top / programFolder).string());
        trainer.load();
        trainer.click("Label31");
        trainer.click("help.Label2");
        ASSERT_EQ(trainer.helpViewer.requests.size(), 1u);
        EXPECT_EQ(std::filesystem::path(trainer.helpViewer.requests[0]),
                  top / "share/abacus-trainer/help.html")
            << programFolder;
        EXPECT_TRUE(trainer.dialogs.shown.empty());
        EXPECT_FALSE(trainer.window.help.loaded);
    }
    std::filesystem::remove_all(top);
}

TEST_F(AboutBox, TheShippedHelpPageNamesEveryItemOfTheMenuBarAndEveryDrillOfTheRoom) {
    std::ifstream page(ABACUS_HELP_PAGE);
    ASSERT_TRUE(page) << ABACUS_HELP_PAGE;
    const std::string text((std::istreambuf_iterator<char>(page)),
                           std::istreambuf_iterator<char>());
    for (const MenuBarItem& entry : mainMenuBar(trainer.window)) {
        const std::string menu = entry.menu.substr(0, entry.menu.find('('));
        EXPECT_NE(text.find("“" + menu + "”"), std::string::npos) << entry.menu;
        EXPECT_NE(text.find("“" + entry.item + "”"), std::string::npos) << entry.item;
    }
    for (const char* topic : {"练习室",    "预备",     "再看一遍",
                              "只加",      "加减",     "看数",
                              "看珠",      "两百",     "二百",
                              "口诀",      "← →",      "Page Up",
                              "Page Down", "Esc",      "十级",
                              "一级",      "★",        "分钟/项",
                              "打印试卷…", "重做错题", "加减算 第3题 答25 应为27",
                              "清晰配色",  "放大",     "缩小",
                              "PDF"}) {
        EXPECT_NE(text.find(topic), std::string::npos) << topic;
    }
}

TEST(AboutBoxHelpFile, TheShippedHelpPageIsChineseAndCoversWhatAParentNeeds) {
    std::ifstream page(ABACUS_HELP_PAGE);
    ASSERT_TRUE(page) << ABACUS_HELP_PAGE;
    const std::string text((std::istreambuf_iterator<char>(page)),
                           std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("lang=\"zh-CN\""), std::string::npos);
    EXPECT_NE(text.find("charset=\"utf-8\""), std::string::npos);
    for (const char* topic : {"出  题", "演示", "出卷", "学习记录", "错题本", "练习日历", "打印",
                              "history.sqlite3", "rm -r", "颜色", "字体", "选择学习者"}) {
        EXPECT_NE(text.find(topic), std::string::npos) << topic;
    }
}

}  // namespace
