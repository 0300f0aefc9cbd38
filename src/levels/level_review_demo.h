#pragma once
// The level test's review: a line chosen in the room's list shows its question whole in the
// flash box, and a wrong multiplication is demonstrated on the main window's board with
// "演示这道题".

#include <cstddef>
#include <string>

#include "levels/level_paper.h"
#include "model/window_context.h"

// Keeps the review line at `lineIndex` of the room's list as naming `question`, with its
// factors when it is the multiplication `product` of the paper.
void keepReviewedQuestion(WindowContext& window, std::size_t lineIndex, const std::string& line,
                          const StoredLevelQuestion& question, const ProductQuestion* product);

// Offers "演示这道题" while the chosen line of the room's list names a multiplication of a level
// test's review and no test or redo is being answered.
void offerReviewDemonstration(WindowContext& window);

// A line of the room's list chosen: a review line shows its question whole in the flash box
// with the answer typed and the right one, and "演示这道题" is offered when it may play that
// line.
void drill_List1_Click(WindowContext& window);

// A double click on a line of the room's list: plays it as "演示这道题" would, when offered.
void drill_List1_DblClick(WindowContext& window);

// "演示这道题": the chosen multiplication played on the main window's board as "演示" plays
// it, the main window brought to the front; a note under the answer box when it cannot be.
void drill_Command9_Click(WindowContext& window);
