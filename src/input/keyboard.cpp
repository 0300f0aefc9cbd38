#include "input/keyboard.h"

#include <cstdint>

namespace {

constexpr std::int16_t kRunInProgress = 0;
constexpr char kNumberPadPrefix[] = "KP_";
constexpr char kBackSpaceKey[] = "BackSpace";

// The digit a main-row or number-pad digit key stands for, or -1 for any other key.
int digitOf(const std::string& key) {
    const std::string digit = key.rfind(kNumberPadPrefix, 0) == 0 ? key.substr(3) : key;
    if (digit.size() != 1 || digit[0] < '0' || digit[0] > '9') return -1;
    return digit[0] - '0';
}

// True for the keys that submit the typed answer.
bool isAnswerKey(const std::string& key) {
    return key == "Return" || key == "KP_Enter" || key == "space";
}

}  // namespace

bool keysWorkTheRun(const WindowContext& window) { return window.state.appState == kRunInProgress; }

const Element* elementPressedBy(const WindowContext& window, const std::string& key) {
    if (!keysWorkTheRun(window)) return nullptr;
    const MainForm& form = window.form;
    if (isAnswerKey(key)) return &form.Command3;
    const int digit = digitOf(key);
    if (digit >= 0) return &form.Command1[static_cast<std::size_t>(digit)];
    return nullptr;
}

bool takesBackDigit(const WindowContext& window, const std::string& key) {
    return keysWorkTheRun(window) && key == kBackSpaceKey && window.state.typedDigitCount > 0;
}
