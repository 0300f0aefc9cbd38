#pragma once
// Typing the answer during a run: each digit key grows the number in the blank term.

#include "model/window_context.h"

// Adds the pressed key's digit to the typed answer, shows it in the blank and in Label17,
// locks the keys once the answer is as long as the question allows, and redraws.
void enterDigit(WindowContext& window);

// Takes back the digit typed last: left-to-right entry loses its lowest place, right-to-left
// entry empties the box filled last. The shorter entry is shown and drawn at once, the keys
// are unlocked while another digit fits, and with nothing left the blank shows as before.
// Clicks as a keypad key does.
void takeBackDigit(WindowContext& window);
