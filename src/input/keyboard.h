#pragma once
// The keyboard of the main window: during a run the digit keys, Enter and Backspace work the
// keypad and the two buttons beside it, as clicks on them would; between runs no key
// presses anything, so the keypad menu is worked by the mouse alone.

#include <string>

#include "ui/window_context.h"

// The element that keyboard key `key` ("0" to "9", "Enter", "Backspace") presses during a
// run: the keypad key of that digit, "确定" or "清  除". nullptr between runs and for any
// other key.
const Element* elementPressedBy(const WindowContext& window, const std::string& key);
