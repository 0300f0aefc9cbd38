#pragma once
// The keyboard of the main window. Keys are named as the desktop names physical keys ("0".."9",
// "KP_0".."KP_9", "Return", "KP_Enter", "space", "BackSpace", "Escape", "Tab"). During a run
// the window takes every key itself: the digit keys press the keypad, Return, KP_Enter and
// space press "确定", BackSpace takes back the last typed digit, and any other key does
// nothing; no key presses a button through the focus. Between runs no key presses anything.

#include <string>

#include "model/window_context.h"

// True while a run is in progress, when every key pressed in the main window is the window's
// own and none reaches the element with the focus.
bool keysWorkTheRun(const WindowContext& window);

// The element that key `key` presses during a run: the keypad key of its digit, or "确定".
// nullptr between runs and for any other key.
const Element* elementPressedBy(const WindowContext& window, const std::string& key);

// True when `key` takes back the last typed digit: BackSpace during a run with a digit typed.
bool takesBackDigit(const WindowContext& window, const std::string& key);
