#pragma once
// The learner-name box `Text1`.

#include "model/window_context.h"

// Switches the box between the default name and the generic form of address; any other
// text is replaced by the default name. The record then uses the box's text.
void Text1_Click(WindowContext& window);
