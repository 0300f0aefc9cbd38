#pragma once
// 重做错题 inside a run: the questions of the wrong-question book take the place of drawn ones.

#include "model/window_context.h"

// The mode word a run of the book's questions is kept under.
inline constexpr char kRedoModeWord[] = "错题";

// Puts the next waiting question of the book on the terms, operator and blank in place of a
// drawn one (the digit counts are left to the generator); false, with nothing changed, when
// none is waiting.
bool takeRedoQuestion(WindowContext& window);
