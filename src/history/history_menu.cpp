#include "history/history_menu.h"

#include <algorithm>
#include <iterator>

#include "engine/startup.h"
#include "history/learner_names.h"

namespace {

constexpr char kHistoryItem[] = "学习记录…";
constexpr char kCalendarItem[] = "练习日历…";
constexpr char kLearnersItem[] = "选择学习者…";
constexpr char kRunGoesOn[] = "现在不能更换答题人：请等这一轮答题结束后再选择学习者。";
constexpr char kRunOn[] = "1";
// The record list's own items beside those that open the history's windows.
const char* const kRecordListItems[] = {"复制全部",      "打印…",      "另存为…",
                                        "打印这份试卷…", kHistoryItem, kCalendarItem};

}  // namespace

void openMenuWindow(WindowContext& window, MenuWindow which) {
    static const std::vector<std::string> kNoLines;
    const bool saving = which == MenuWindow::SaveRecordList;
    window.services.menuWindows.open(which, nameBoxLearner(window),
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

bool rightClickMenuHolds(const WindowContext& window, const Element& element,
                         const std::string& item) {
    if (&element == &window.form.List1) {
        return std::find(std::begin(kRecordListItems), std::end(kRecordListItems), item) !=
               std::end(kRecordListItems);
    }
    if (&element == &window.form.Text1) return item == kLearnersItem;
    if (&element == &window.form.Label40) {
        return std::find(element.menuItems.begin(), element.menuItems.end(), item) !=
               element.menuItems.end();
    }
    return false;
}

void learnerPicked(WindowContext& window, const std::string& name) {
    Element& box = window.form.Text1;
    if (window.state.runActive == kRunOn) {
        window.services.dialogs.inform(kRunGoesOn);
        return;
    }
    if (!box.enabled) returnToIdle(window);
    clearRunFigures(window);
    box.setCaption(name);
}
