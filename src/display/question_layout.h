#pragma once
// Arranging the question on the window for the chosen layout and display mode.

#include "model/window_context.h"

// Shows, hides and places the question line, the board rows, the rule, the typed answer,
// the direction arrow and the digit boxes, then redraws the board. Writes no caption.
void aaa(WindowContext& window);

// The question line in one row under the three board rows, whatever the layout and display
// mode; the typed answer, the rule, the arrow and the digit boxes are hidden.
void layOutBoardAboveRow(WindowContext& window);
