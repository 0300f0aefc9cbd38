#include "input/keypad_keys.h"

#include <string>

namespace {

constexpr int kModeKey = 6;
constexpr int kPaperKey = 8;
constexpr int kRecordListKey = 9;

}  // namespace

void showDigitCaptions(MainForm& form) {
    for (int key = 0; key <= 9; ++key) form.Command1[key].setCaption(std::to_string(key));
}

void enableAllKeys(MainForm& form, bool enabled) {
    for (Element& key : form.Command1) key.enabled = enabled;
}

void enableMenuKeys(MainForm& form) {
    for (int key = 0; key <= 9; ++key) {
        form.Command1[key].enabled = key == kModeKey || key == kPaperKey || key == kRecordListKey;
    }
}
