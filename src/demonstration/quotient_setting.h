#pragma once
// The room's button "试商" / "直接商", shown on the bead drill and in 演示, kept per learner.

#include "model/window_context.h"

// Shows the button with the room learner's choice when `on`; hides it when not.
void showQuotientSetting(WindowContext& window, bool on);

// A click switches between "试商" and "直接商" and keeps the choice for the room's learner.
void drill_Command10_Click(WindowContext& window);
