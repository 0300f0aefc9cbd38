#pragma once
// Follows a run as it happens and hands it to the history when its report is written; a
// written paper is handed over at once.

#include <string>

#include "history/history_writer.h"
#include "model/window_context.h"

// Starts the journal of a run whose settings have just been read.
void beginRunJournal(WindowContext& window);
// Adds the question pddc has just judged, with the practice attempts before it.
void journalClosedQuestion(WindowContext& window);
// Notes a wrong practice entry of the question on screen.
void journalPracticeAttempt(WindowContext& window);
// Stores the finished run; when the write fails, the run stays on screen and a message says
// it could not be kept.
void keepRun(WindowContext& window);
// Stores the paper just written, with the same message when the write fails.
void keepPaper(WindowContext& window);
// What the person is told when a write of `kind` fails with `outcome`, its cause included;
// empty for a setting, which is chosen again next time.
std::string notKeptText(WriteKind kind, StoreOutcome outcome);
// Says that a queued write could not be stored, once the writer has found out.
void reportLateOutcome(WindowContext& window, const LateOutcome& late);
