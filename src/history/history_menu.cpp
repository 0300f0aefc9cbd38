#include "history/history_menu.h"

#include "engine/startup.h"
#include "history/learner_names.h"

namespace {

constexpr char kHistoryItem[] = "学习记录…";
constexpr char kCalendarItem[] = "练习日历…";
constexpr char kLearnersItem[] = "选择学习者…";
constexpr char kRunGoesOn[] = "现在不能更换答题人：请等这一轮答题结束后再选择学习者。";
constexpr char kRunOn[] = "1";

}  // namespace

void openMenuWindow(WindowContext& window, MenuWindow which) {
    static const std::vector<std::string> kNoLines;
    const bool saving = which == MenuWindow::SaveRecordList;
    window.services.menuWindows.open(which,
                                     keptLearnerName(window.state, window.form.Text1.caption()),
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
    if (window.state.runActive == kRunOn) {
        window.services.dialogs.inform(kRunGoesOn);
        return;
    }
    if (!box.enabled) returnToIdle(window);
    box.setCaption(name);
}
