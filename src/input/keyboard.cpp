#include "input/keyboard.h"

#include <cstdint>

namespace {

constexpr std::int16_t kRunInProgress = 0;
constexpr char kEnterKey[] = "Enter";
constexpr char kBackspaceKey[] = "Backspace";

}  // namespace

const Element* elementPressedBy(const WindowContext& window, const std::string& key) {
    if (window.state.appState != kRunInProgress) return nullptr;
    const MainForm& form = window.form;
    if (key == kEnterKey) return &form.Command3;
    if (key == kBackspaceKey) return &form.Command2;
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') return &form.Command1[key[0] - '0'];
    return nullptr;
}
