#pragma once
// The learner the history keeps a run under, and the learner the name box starts with.

#include <string>
#include <string_view>

#include "model/window_context.h"

// True when `name` shows nothing: it is empty or holds only blanks and zero-width characters.
bool hasNoVisibleCharacter(std::string_view name);

// The name a run or paper of `typedName` is kept under: the default learner's name when
// nothing visible was typed.
std::string keptLearnerName(const TrainingState& state, const std::string& typedName);

// The learner the name box names now, as the history keeps them: every window that shows or
// stores a learner's records follows this one.
std::string nameBoxLearner(const WindowContext& window);

// Puts the learner of the last stored run into the name box, unless a name other than the
// default has been typed there or the box is locked.
void restoreLastLearner(WindowContext& window);
