#pragma once
// The level test's question in the room's flash box, in the face the numbers flash in: its rows
// one under another and right-aligned as a paper sets them while it is asked, and whole with
// its total, the answer typed and a large √ or × once it has been answered (the redo of the
// book's questions, and a review line chosen after the test).

#include <string>
#include <vector>

#include "model/window_context.h"

// Shows the lines of a question being asked, as large as the box holds them.
void showAskedLevelQuestion(WindowContext& window, const std::vector<std::string>& lines);

// Shows an answered question's lines with the large √ or × beside them.
void showJudgedLevelQuestion(WindowContext& window, const std::vector<std::string>& lines,
                             bool right);

// Empties the flash box and takes the mark away.
void clearLevelQuestionBox(DrillForm& room);
