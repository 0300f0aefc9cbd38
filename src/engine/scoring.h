#pragma once
// What follows a verdict when a question is closed: the score, the record line and the
// verdict clip, called in that order right after pddc.

#include "model/window_context.h"

// Sets the per-cent score over the run's whole question total and shows it in Label26.
void updateScore(WindowContext& window);

// Appends the closed question's line to List1 and clears the practice-attempt note.
void appendRecordLine(WindowContext& window);

// Plays the clip for a right or a wrong answer while sound cues are on.
void playVerdictClip(WindowContext& window);
