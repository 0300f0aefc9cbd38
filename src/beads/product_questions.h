#pragma once
// The bead drill's multiplications and divisions: "一位乘法", "两位乘法", "一位除法" and
// "两位除法".

#include "beads/bead_question.h"
#include "model/services.h"

// A question of product group `group` (kOneDigitMultiply .. kTwoDigitDivide) for `digits`
// chosen digits: a 2-3 digit number times one digit, 2 digits times 2, a 2-4 digit number
// divided by one digit, or a 3-4 digit number divided by 2 digits (the chosen digits kept to
// those ranges). A division leaves a remainder when `remainder`, else none.
BeadQuestion drawProductQuestion(RandomSource& random, int group, int digits, bool remainder);
