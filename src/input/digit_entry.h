#pragma once
// Typing the answer during a run: each digit key grows the number in the blank term.

#include "ui/window_context.h"

// Adds the pressed key's digit to the typed answer, shows it in the blank and in Label17,
// locks the keys once the answer is as long as the question allows, and redraws.
void enterDigit(WindowContext& window);
