#include "ui/settings_lists.h"

#include <cstdint>

#include "engine/text_number.h"

namespace {
constexpr int kFourOperationMode = 6;
}

void Combo1_Click(WindowContext& window) {
    MainForm& form = window.form;
    window.state.modeIndex = static_cast<std::int16_t>(form.Combo1.listIndex);
    if (form.Command8.caption() == "竖  式" && window.state.modeIndex == kFourOperationMode) {
        form.Command8.setCaption("双  列");
    }
}

void Combo3_Click(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    if (state.appState != 1) return;
    state.countIndex = static_cast<std::int16_t>(form.Combo3.listIndex);
    const auto total = saturatedTo<std::int16_t>(integerValueOf(form.Combo3.caption()));
    form.Label4.setCaption(plainNumber(total));
    form.Label25.setCaption(plainNumber(total));
    if (total == 5) form.Command8.setCaption("单  列");
}
