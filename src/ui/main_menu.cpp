#include "ui/main_menu.h"

#include <functional>

#include "appearance/colour_scheme.h"
#include "appearance/kept_appearance.h"
#include "appearance/window_zoom.h"
#include "history/history_menu.h"
#include "input/keypad_menu.h"
#include "room/practice_room.h"
#include "ui/about_box.h"
#include "ui/main_menu_titles.h"

namespace {

constexpr char kClearColoursItem[] = "清晰配色";

// Whether an item may be chosen while a run is on.
enum class DuringRun { Allowed, Disabled };

struct ItemAction {
    const char* menu;
    const char* item;
    DuringRun duringRun;
    std::function<void(WindowContext&)> choose;
};

// Switches the colour scheme or steps the zoom, and keeps the choice for the next start.
std::function<void(WindowContext&)> keptAppearanceChange(void (*change)(WindowContext&)) {
    return [change](WindowContext& window) {
        change(window);
        keepAppearance(window);
    };
}

// Every item of the bar, in order, with what choosing it does.
const std::vector<ItemAction>& itemActions() {
    static const std::vector<ItemAction> actions = {
        {kPracticeMenu, "闪电心算…", DuringRun::Disabled,
         [](WindowContext& window) { openPracticeRoom(window, DrillKind::Flash); }},
        {kPracticeMenu, "听心算…", DuringRun::Disabled,
         [](WindowContext& window) { openPracticeRoom(window, DrillKind::Listening); }},
        {kPracticeMenu, "拨珠练习…", DuringRun::Disabled,
         [](WindowContext& window) { openPracticeRoom(window, DrillKind::Beads); }},
        {kPracticeMenu, "等级考试…", DuringRun::Disabled,
         [](WindowContext& window) { openPracticeRoom(window, DrillKind::Levels); }},
        {kPracticeMenu, "演示", DuringRun::Disabled, demonstrateFromMenu},
        {kPracticeMenu, "演示与口诀…", DuringRun::Disabled,
         [](WindowContext& window) { openPracticeRoom(window, DrillKind::Demonstration); }},
        {kRecordsMenu, "学习记录…", DuringRun::Allowed,
         [](WindowContext& window) { openMenuWindow(window, MenuWindow::History); }},
        {kRecordsMenu, "练习日历…", DuringRun::Allowed,
         [](WindowContext& window) { openMenuWindow(window, MenuWindow::Calendar); }},
        {kRecordsMenu, "选择学习者…", DuringRun::Disabled,
         [](WindowContext& window) { openMenuWindow(window, MenuWindow::Learners); }},
        {kRecordsMenu, "保存记录…", DuringRun::Allowed,
         [](WindowContext& window) { openMenuWindow(window, MenuWindow::SaveRecordList); }},
        {kRecordsMenu, "加入班级…", DuringRun::Allowed,
         [](WindowContext& window) { openMenuWindow(window, MenuWindow::JoinClass); }},
        {kRecordsMenu, "教师登录…", DuringRun::Allowed,
         [](WindowContext& window) { openMenuWindow(window, MenuWindow::TeacherLogin); }},
        {kViewMenu, kClearColoursItem, DuringRun::Disabled,
         keptAppearanceChange(switchColourScheme)},
        {kViewMenu, "放大", DuringRun::Disabled, keptAppearanceChange(zoomIn)},
        {kViewMenu, "缩小", DuringRun::Disabled, keptAppearanceChange(zoomOut)},
        {kHelpMenu, "关于童趣星…", DuringRun::Allowed, Label31_Click},
    };
    return actions;
}

// True while a run is on, from its start until its report.
bool runHoldsSettings(const WindowContext& window) { return window.state.runActive == "1"; }

bool isEnabled(const WindowContext& window, const ItemAction& action) {
    return action.duringRun == DuringRun::Allowed || !runHoldsSettings(window);
}

}  // namespace

std::vector<MenuBarItem> mainMenuBar(const WindowContext& window) {
    std::vector<MenuBarItem> items;
    for (const ItemAction& action : itemActions()) {
        const bool checkable = std::string(action.item) == kClearColoursItem;
        items.push_back({action.menu, action.item, isEnabled(window, action), checkable,
                         checkable && clearColoursChosen(window.state)});
    }
    return items;
}

bool chooseMainMenuItem(WindowContext& window, const std::string& item) {
    for (const ItemAction& action : itemActions()) {
        if (action.item != item) continue;
        if (isEnabled(window, action)) action.choose(window);
        return true;
    }
    return false;
}
