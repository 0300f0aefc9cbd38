#pragma once
// The about box: opening it, its load step, closing it and the help file.

#include "model/window_context.h"

// The "说明" label: shows the about box, or brings the open one to the front.
void Label31_Click(WindowContext& window);
// Fills the about box's notice, credit and contact lines when it is loaded.
void help_Load(WindowContext& window);
// Any click into the about box other than on "完全版说明": closes it.
void help_Click(WindowContext& window);
// "完全版说明": opens the help file from the program's folder, then closes the box.
void help_Label2_Click(WindowContext& window);
// Opens the file named in the about box's `Filename` at its contents with the desktop's
// viewer; says plainly when the file or a viewer for it is missing.
void showHelpFile(WindowContext& window);
