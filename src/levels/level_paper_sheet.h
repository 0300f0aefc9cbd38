#pragma once
// A level paper as printed lines: the paper a child writes on, with a name line, the column
// sums side by side with a line to write each answer under them, then the answer sheet.

#include <string>
#include <vector>

#include "levels/level_paper.h"

// The line that ends a printed page: the answer sheet starts on a page of its own.
inline constexpr char kSheetPageBreak[] = "\f";
// The mark that starts a line printed centred across the page, a title.
inline constexpr char kSheetCentredMark = '\t';

// The lines of `paper` with `minutesPerItem` minutes for each item. An empty line separates
// groups of lines a printed page should not split; kSheetPageBreak starts the answer sheet.
std::vector<std::string> levelPaperSheet(const LevelPaper& paper, int minutesPerItem);
