#pragma once
// Everything the main window's handlers share: settings, switches, run counters, the
// current question and the form-level working values. Nothing of it is saved.

#include <array>
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

// One sum of a group of vertical sums on a test paper, waiting until its group is written.
struct VerticalSumSlot {
    std::string numberText;
    std::string firstTermText;
    std::string operatorText;
    std::string secondTermText;
    std::string resultTermText;
};

// Questions a test paper can hold; its records are indexed by printed number 1..100.
inline constexpr int kMostPaperQuestions = 100;

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
    std::int64_t runNumber = 0;  // runs and papers together; wide enough never to wrap
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

    // Test papers: the answer record, the printed terms of the question being laid out, the
    // two paper-only history slots and the layout state. Kept between papers.
    std::array<std::int16_t, kMostPaperQuestions + 1> paperAnswers{};  // index 0 unused
    std::array<std::int16_t, kMostPaperQuestions + 1> paperRemainders{};
    std::int32_t paperQuestionNumber = 0;
    std::int32_t paperAnswer = 0;
    std::int16_t paperRemainder = 0;
    std::string termText1;
    std::string termText2;
    std::string termText3;
    QuestionHistorySlot historySlot2;
    QuestionHistorySlot historySlot3;
    std::int16_t columnWidth = 0;
    std::int16_t answerColumnWidth = 0;
    std::int16_t leftColumnNumber = 0;
    std::int16_t rightColumnNumber = 0;
    std::int16_t columnToggle = 0;
    std::string rightColumnText;
    std::string leftColumnText;
    std::string columnGap;
    std::int32_t groupPosition = 0;
    std::int32_t verticalNumber = 0;
    std::array<VerticalSumSlot, 5> verticalSlots;
    std::string reportModeWord;
    std::string reportStyleWord;
    std::string logLine;
    std::int16_t timeLimitReachedCount = 0;
    std::string practiceWrongNote;
    std::int16_t reportShown = 0;

    // Demonstration: the question the last run ended on, and the bead steps shown so far.
    std::string lastRunOperator;
    QuestionHistorySlot lastRunQuestion;
    std::int16_t demonstrationStep = 0;
    // 试商 ("1"): a quotient digit is estimated and put right on the board; "0": 直接商.
    bool demonstrationTriesQuotient = true;

    // Appearance: "0" the design's colours, "1" the clear scheme; the window's zoom.
    std::string colourScheme = "0";
    std::int16_t zoomPercent = 100;
};
