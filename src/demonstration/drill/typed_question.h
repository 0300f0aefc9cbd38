#pragma once
// A question typed for 演示 ("325+67", "4-3+8", "73×58", "2646÷9"): read, checked against the
// board, and worked into bead steps.

#include <cstdint>
#include <string>
#include <vector>

#include "demonstration/bead_rhymes.h"
#include "demonstration/division_steps.h"

// A question read from what was typed: its terms and the signs between them ("+", "-", "×",
// "÷"), or why it cannot be played.
struct TypedQuestion {
    std::vector<std::int32_t> terms;
    std::vector<std::string> signs;
    std::string refusal;  // empty when the board can play it
};

// Reads `text`: numbers and the signs + - × ÷ (x and * for ×, / for ÷), blanks ignored. A
// chain of additions and subtractions may have any number of terms, a multiplication or
// division two. Refused, with a message naming what is wrong, when anything else is typed, a
// number or sign is missing, the divisor or a factor is 0, the dividend is below the divisor, a
// subtraction goes below 0, or the working needs more than `rods` rods (the message says how
// many it needs).
TypedQuestion readTypedQuestion(const std::string& text, int rods);

// The rods the question is worked on: the widest term or running total of a chain, the
// factors' digits together, or a division's rods up to its quotient's highest digit.
int rodsNeeded(const TypedQuestion& question);

// The steps that work the question on `rods` rods, every rhyme a step of its own; a division's
// quotient digits found by `trial`.
std::vector<BeadStep> typedQuestionSteps(const TypedQuestion& question, QuotientTrial trial,
                                         int rods);

// What the board shows before the first step: the first term, nothing for a multiplication.
std::int32_t typedStartingRow(const TypedQuestion& question);

// The question as written after "演示结束：": "1634÷38", "4-3+8".
std::string typedQuestionText(const TypedQuestion& question);

// The question above the board: "1634 ÷ 38".
std::string typedQuestionCaption(const TypedQuestion& question);

// The answer: "43", "25余3".
std::string typedAnswerText(const TypedQuestion& question);
