#include "input/keypad.h"

#include <cstdint>

#include "input/digit_entry.h"
#include "input/key_click.h"
#include "input/keypad_menu.h"

namespace {

constexpr std::int16_t kRunInProgress = 0;

}  // namespace

void Command1_Click(WindowContext& window, int index) {
    if (index < 0 || index > 9) return;
    window.form.Label19.visible = false;
    window.form.Command3.enabled = true;
    window.state.pressedKey = static_cast<std::int16_t>(index);
    // Digits are typed only during a run; between runs the keys are the menu.
    if (window.state.appState != kRunInProgress) {
        keypadMenuPress(window);
        return;
    }
    enterDigit(window);
    playKeyClick(window);
}
