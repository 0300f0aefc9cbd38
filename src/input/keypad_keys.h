#pragma once
// Captions and enabled states of the ten keypad keys, which are digits during a run and the
// menu between runs.

#include "model/main_form.h"

// Key i shows the digit i.
void showDigitCaptions(MainForm& form);

// Enables or disables all ten keys.
void enableAllKeys(MainForm& form, bool enabled);

// Between runs only the mode key 6, the paper key 8 and the record-list key 9 work.
void enableMenuKeys(MainForm& form);
