#include "ui/settings_toggles.h"

#include <cstdint>

#include "ui/dispatch.h"

namespace {

constexpr char kNormalQuestions[] = "正  常";
constexpr char kFillInQuestions[] = "填  空";
constexpr char kSingleColumn[] = "单  列";
constexpr char kDoubleColumn[] = "双  列";
constexpr char kVerticalLayout[] = "竖  式";
constexpr char kRightArrow[] = "→";
constexpr char kLeftArrow[] = "←";
constexpr int kFourOperationMode = 6;
constexpr int kAddSubtractMode = 2;

}  // namespace

void Command6_Click(WindowContext& window) {
    Element& button = window.form.Command6;
    if (button.caption() == kNormalQuestions) {
        button.setCaption(kFillInQuestions);
        window.state.fillBlankMode = "1";
    } else {
        button.setCaption(kNormalQuestions);
        window.state.fillBlankMode = "";
    }
}

void Command8_Click(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    const std::string layout = form.Command8.caption();
    if (layout == kSingleColumn) {
        form.Command8.setCaption(kDoubleColumn);
    } else if (layout == kDoubleColumn) {
        state.modeIndex = static_cast<std::int16_t>(form.Combo1.listIndex);
        if (state.modeIndex == kFourOperationMode) {
            selectListItem(window, form.Combo1, kAddSubtractMode);
            state.modeIndex = kAddSubtractMode;
        }
        form.Command8.setCaption(kVerticalLayout);
        form.Label14.visible = false;
    } else {
        form.Command8.setCaption(kSingleColumn);
    }
}

void Label28_Click(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    const bool wasLeft = state.directionMode == "1";
    state.directionMode = wasLeft ? "0" : "1";
    const char* arrow = wasLeft ? kRightArrow : kLeftArrow;
    form.Label28.setCaption(arrow);
    form.Label18.setCaption(arrow);
}

void Label39_Click(WindowContext& window) {
    Element& arrow = window.form.Label39;
    arrow.setCaption(arrow.caption() == kRightArrow ? kLeftArrow : kRightArrow);
}
