#include "ui/about_box.h"

#include <filesystem>

namespace {

constexpr char kHelpFileName[] = "珠心算.hlp";

// Unloads the about box; the next opening loads it anew.
void unloadAboutBox(WindowContext& window) { window.help.restoreDesign(); }

}  // namespace

void Label31_Click(WindowContext& window) {
    HelpForm& about = window.help;
    if (!about.loaded) {
        help_Load(window);
    } else {
        ++about.raiseRequests;
    }
    about.help.visible = true;
}

void help_Load(WindowContext& window) {
    HelpForm& about = window.help;
    about.restoreDesign();
    about.loaded = true;
    about.Label3.setCaption(
        "小朋友，每天练一练，珠算心算都能行！\n"
        "选好模式、位数、题量和速度，按“出  题”就可以开始答题；"
        "用下面的数字键输入答案，再按“确定”。");
    about.Label1.setCaption("童趣星工作室 制作");
    about.Label4.setCaption("意见和建议：请告诉你的老师或家长");
    about.Label5.setCaption("祝小朋友们学习进步！");
}

void help_Click(WindowContext& window) { unloadAboutBox(window); }

void help_Label2_Click(WindowContext& window) {
    const std::filesystem::path folder = std::filesystem::path(window.services.programFolder);
    window.help.Filename.setCaption((folder / kHelpFileName).string());
    showHelpFile(window);
    unloadAboutBox(window);
}

void showHelpFile(WindowContext& window) {
    switch (window.services.helpViewer.open(window.help.Filename.caption())) {
        case HelpOpenResult::Opened:
            break;
        case HelpOpenResult::Missing:
            window.services.dialogs.inform(std::string("没有找到帮助文件“") + kHelpFileName +
                                           "”，请把它放到本程序所在的文件夹里。");
            break;
        case HelpOpenResult::NoViewer:
            window.services.dialogs.inform(std::string("这台电脑上没有能打开帮助文件“") +
                                           kHelpFileName + "”的程序。");
            break;
    }
}
