#pragma once
// Choosing what the next question asks: operator, digit counts, blank term and blank text,
// and the whole drawing sequence the run start and the next-question step use.

#include "model/window_context.h"

// Chooses the operator of the next question from the mode chosen in Combo1.
void ysfh(WindowContext& window);

// Sets the digit counts of the two drawn numbers for the operator and Combo2's choice.
void zdct(WindowContext& window);

// Chooses the blank term: always the result for normal questions, any of the three in fill-in.
void chooseBlankPosition(WindowContext& window);

// Sets the text shown in an untouched blank for the chosen digit count.
void khws(WindowContext& window);

// Draws the next question: operator, digit counts, blank term, terms, history; during
// 重做错题 the next question of the book instead.
void drawNextQuestion(WindowContext& window);
