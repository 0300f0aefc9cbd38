#pragma once
// What the practice room's handlers share: the drill on show, the set in progress and the
// chain being flashed.

#include <cstdint>
#include <string>
#include <vector>

#include "model/services.h"

enum class DrillKind { Flash, Listening, Beads, Levels, Demonstration };

// Where a chain stands: "预备", a number on show, the blank after it, waiting for the answer, or
// answered and shown whole with its total until "下一题".
enum class ChainPhase { Idle, Ready, Showing, Gap, Answering, Paused };

// The bead drill's question on the board, the rhyme step being worked and the rod the keys move.
struct BeadDrillState {
    int group = 0;  // the rhyme group the set was started with
    std::int32_t first = 0;
    bool subtract = false;
    std::int32_t second = 0;
    bool products = false;        // first × second, or first ÷ second when subtract
    int step = 0;                 // the rhyme step being worked, from 0
    int wrongClicks = 0;          // in the question in progress
    int wrongInSet = 0;           // in the questions done in this set
    int rod = 0;                  // the rod the keys move, 0 the units
    bool directQuotient = false;  // the set finds quotient digits at once (直接商), not by 试商
    LocalDateTime questionStart;
};

// 演示 in the practice room: the question played (as typed, or the sum a rhyme of the tables is
// shown on), how its quotient digits are found and how far it has gone.
struct RoomDemonstrationState {
    std::string question;  // "1634÷38", "3+3"; empty before the first
    bool directQuotient = false;
    int shown = 0;          // the steps shown so far
    bool underWay = false;  // steps or the end still to show, playing or paused
};

// A level test in progress: its paper is drawn again from the level and the seed.
struct LevelTestState {
    bool running = false;
    int level = 0;  // 0 = 十级 .. 9 = 一级
    std::uint32_t seed = 0;
    int minutesPerItem = 0;
    int item = 0;      // 0 加减算, 1 乘算
    int question = 0;  // the question on show in the item, from 0
    int secondsLeft = 0;
    int rightInItem = 0;
    std::vector<int> rightPerItem;
    // The answers typed in each item so far, in the order asked; "" for one left empty.
    std::vector<std::vector<std::string>> typedPerItem;
    LocalDateTime start;
};

// "重做错题" on the level test: the book's level questions asked again one at a time.
struct LevelRedoState {
    bool running = false;
    std::vector<std::string> questions;  // as written: "325-67+12", "12×3"
    std::vector<std::string> answers;    // the right answer of each
    int question = 0;                    // the question on show, from 0
    int right = 0;
    bool paused = false;  // an answered question shows with its mark until "下一题"
};

// A question of a level test's review: the room's line that names it, where that line stands
// in the room's list, the question as written with the answer typed and the right one, and for
// a multiplication, which "演示这道题" plays, its two factors.
struct ReviewedQuestion {
    std::size_t lineIndex = 0;
    std::string line;
    std::string written;
    std::string typedAnswer;
    std::string rightAnswer;
    bool product = false;
    std::int32_t first = 0;
    std::int32_t second = 0;
};

struct DrillState {
    DrillKind kind = DrillKind::Flash;
    std::string learner;  // whose settings the room shows and whose chains it stores

    // The questions of the level tests' reviews written into the room's list.
    std::vector<ReviewedQuestion> reviewedQuestions;

    bool setRunning = false;
    int chainsInSet = 0;
    int chainNumber = 0;  // the chain in progress or last answered, from 1
    int rightInSet = 0;
    LocalDateTime setStart;

    std::vector<std::int32_t> terms;  // the chain, a taken-away term negative
    int shownTerm = -1;               // the term on show or in its blank, from 0
    ChainPhase phase = ChainPhase::Idle;
    bool seenAgain = false;  // "再看一遍" has been used for this chain
    bool answered = false;   // the chain has been answered (a look again then ends in the pause)
    bool answeredRight = false;
    LocalDateTime chainStart;
    // The settings the chain was drawn with, as the history keeps them.
    int chainDigits = 0;
    std::string chainSecondsPerNumber;
    std::string chainMix;
    std::string chainView;

    BeadDrillState beads;
    RoomDemonstrationState demonstration;
    LevelTestState levelTest;
    LevelRedoState levelRedo;
};
