#include "engine/settings_check.h"

#include <cstddef>
#include <cstdint>

#include "sound/play_clip.h"

namespace {

constexpr std::int16_t kMissingSettingClip = 106;

// True when the list shows one of its own items.
bool hasChoice(const Element& list) {
    return list.listIndex >= 0 && static_cast<std::size_t>(list.listIndex) < list.items.size();
}

}  // namespace

bool allSettingsChosen(WindowContext& window) {
    MainForm& form = window.form;
    const struct {
        Element& list;
        const char* prompt;
    } settings[] = {
        {form.Combo1, "请选择运算符号"},
        {form.Combo2, "请选择出题位数"},
        {form.Combo3, "请选择出题总数"},
        {form.Combo4, "请选择出题速度"},
    };
    for (const auto& setting : settings) {
        if (hasChoice(setting.list)) continue;
        if (soundCuesOn(window)) playClip(window, kMissingSettingClip);
        window.services.dialogs.inform(setting.prompt);
        form.moveFocus(setting.list);
        return false;
    }
    return true;
}
