#include "ui/about_box.h"

#include <filesystem>

namespace {

constexpr char kHelpFileName[] = "珠心算.hlp";
constexpr char kHelpPageName[] = "help.html";
// Where the help page lies from the program's folder: installed, then in a build folder.
constexpr const char* kHelpPageFolders[] = {"../share/abacus-trainer",
                                            "../../share/abacus-trainer"};

// The help page shipped with the program; the installed place when it is nowhere.
std::filesystem::path helpPage(const std::filesystem::path& programFolder) {
    for (const char* folder : kHelpPageFolders) {
        const std::filesystem::path page = programFolder / folder / kHelpPageName;
        std::error_code error;
        if (std::filesystem::is_regular_file(page, error)) return page.lexically_normal();
    }
    return (programFolder / kHelpPageFolders[0] / kHelpPageName).lexically_normal();
}

// The name a message gives the file asked for.
std::string shownFileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

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
    window.help.Filename.setCaption(helpPage(folder).string());
    showHelpFile(window);
    unloadAboutBox(window);
}

void showHelpFile(WindowContext& window) {
    const std::string& path = window.help.Filename.caption();
    const std::string name = shownFileName(path);
    switch (window.services.helpViewer.open(path)) {
        case HelpOpenResult::Opened:
            break;
        case HelpOpenResult::Missing:
            if (name == kHelpFileName) {
                window.services.dialogs.inform(std::string("没有找到帮助文件“") + kHelpFileName +
                                               "”，请把它放到本程序所在的文件夹里。");
            } else {
                window.services.dialogs.inform("没有找到使用说明“" + path +
                                               "”，请重新安装本程序。");
            }
            break;
        case HelpOpenResult::NoViewer:
            window.services.dialogs.inform("这台电脑上没有能打开帮助文件“" + name + "”的程序。");
            break;
    }
}
