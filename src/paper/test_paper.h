#pragma once
// Writing a numbered test paper and its answer sheet into the record list.

#include "model/window_context.h"

// Writes a test paper with the four chosen settings in the layout Command8 shows, then its
// answer sheet, and leaves the keypad as the menu with the record list on view, the paper's
// title line on top when the whole paper fits, else its last line at the bottom. Returns
// false when the paper was refused (vertical sums in the four-operation mode); the press
// then ends without its key click.
bool writeTestPaper(WindowContext& window);
