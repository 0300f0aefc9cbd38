#pragma once
// Everything the main window's handlers share: settings, switches, run counters, the
// current question and the form-level working values. Nothing of it is saved.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Two history slots of the question generator: the terms of one recent question.
struct QuestionHistorySlot {
    std::int32_t operandA = 0;
    std::int32_t operandB = 0;
    std::int32_t operandC = 0;
};

struct TrainingState {
    // Settings copied from the four lists.
    std::int16_t modeIndex = 0;
    std::string modeOperators;
    std::int16_t digitsIndex = 0;
    std::int16_t countIndex = 0;
    std::int16_t questionTotal = 0;
    std::int16_t speedIndex = 0;
    std::int16_t secondsPerQuestion = 0;

    // Switches; text flags keep their text because "any other value" matters to readers.
    std::string examMode;
    std::string fillBlankMode;
    std::string directionMode;
    std::string soundMode;
    std::int16_t appState = 0;
    std::string runActive;

    // The learner.
    std::string defaultLearnerName;
    std::string learnerTitle;
    std::string learnerName;

    // Run counters.
    std::int16_t runNumber = 0;
    std::string runStartDate;
    std::string runStartTime;
    std::int16_t answeredCount = 0;
    std::int16_t remainingCount = 0;
    std::int16_t rightCount = 0;
    std::int16_t wrongCount = 0;
    std::int16_t score = 0;
    std::int16_t practiceWrongCount = 0;
    std::string practiceWrongTag;

    // The current question.
    std::string currentOperator;
    std::int32_t operandA = 0;
    std::int32_t operandB = 0;
    std::int32_t operandC = 0;
    std::int16_t digitsA = 0;
    std::int16_t digitsB = 0;
    std::int16_t blankPosition = 0;
    std::string blankText;
    std::string blankTextCopy;
    std::string lastVerdict;
    std::string correctionText;
    std::string correctionPrefix;
    std::string logGap;
    std::int32_t questionSeconds = 0;
    std::int16_t overtimeSeconds = 0;

    // Question drawing: zero check and the record of the two last questions.
    std::int16_t zeroDigitCount = 0;
    std::string digitCheckText;
    std::optional<std::int16_t> historySlotToggle;  // unset until the first question
    QuestionHistorySlot historySlot0;
    QuestionHistorySlot historySlot1;

    // Judging.
    std::string judgedFirstText;
    std::string judgedSecondText;
    std::string judgedResultText;
    double judgedFirst = 0;
    double judgedSecond = 0;
    double judgedResult = 0;
    std::string answeredText;

    // Timing and overtime.
    std::string overtimeBlink;
    std::int16_t overtimeSoundPending = 0;
    std::int16_t severeOvertimeSoundPending = 0;
    std::int16_t overtimeSoundPlayed = 0;
    std::int16_t severeOvertimeSoundPlayed = 0;
    std::int16_t clockHours = 0;
    std::int16_t clockMinTens = 0;
    std::int16_t clockMinUnits = 0;
    std::int16_t clockSecTens = 0;
    std::int16_t clockSecUnits = 0;
    std::int16_t elapsedHours = 0;
    std::int16_t elapsedMinutes = 0;
    std::int16_t elapsedSeconds = 0;
    std::string elapsedText;
    std::int32_t elapsedTime = 0;                 // a time of day, in seconds after midnight
    std::optional<std::int16_t> lastClockSecond;  // empty until the first counted tick

    // Keypad entry.
    std::int16_t pressedKey = 0;
    std::int16_t typedDigitCount = 0;
    std::int32_t typedValue = 0;
    std::string typedAnswer;

    // Abacus board pictures.
    std::string beadLetter;
    std::string beadStyle1;
    std::string beadStyle2;
    std::string beadStyle3;
    std::string beadStyleWork;  // the style being stepped by a rod click

    // Sound: the bytes of the clip loaded last.
    std::vector<std::uint8_t> soundBuffer;
};
