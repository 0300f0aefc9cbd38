#include "history/history_menu.h"

namespace {

constexpr char kHistoryItem[] = "学习记录…";
constexpr char kCalendarItem[] = "练习日历…";
constexpr char kLearnersItem[] = "选择学习者…";
constexpr char kNameBoxLocked[] =
    "现在不能更换答题人：名字框在这份记录结束前是锁定的。\n"
    "请先按“考试”或“练习”键回到开始状态，再选择学习者。";

}  // namespace

void openMenuWindow(WindowContext& window, MenuWindow which) {
    static const std::vector<std::string> kNoLines;
    const bool saving = which == MenuWindow::SaveRecordList;
    window.services.menuWindows.open(which, window.form.Text1.caption(),
                                     saving ? window.form.List1.items : kNoLines);
}

bool chooseMenuItem(WindowContext& window, const Element& element, const std::string& item) {
    if (&element == &window.form.List1 && item == kHistoryItem) {
        openMenuWindow(window, MenuWindow::History);
    } else if (&element == &window.form.List1 && item == kCalendarItem) {
        openMenuWindow(window, MenuWindow::Calendar);
    } else if (&element == &window.form.Text1 && item == kLearnersItem) {
        openMenuWindow(window, MenuWindow::Learners);
    } else {
        return false;
    }
    return true;
}

void learnerPicked(WindowContext& window, const std::string& name) {
    Element& box = window.form.Text1;
    if (!box.enabled) {
        window.services.dialogs.inform(kNameBoxLocked);
        return;
    }
    box.setCaption(name);
}
