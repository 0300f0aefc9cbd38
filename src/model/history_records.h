#pragma once
// What the history keeps: finished runs with every closed question, and written papers.
// Dates are "YYYY-MM-DD" and times "HH:MM:SS", so they sort as text.

#include <cstdint>
#include <string>
#include <vector>

// One closed question of a run.
struct StoredQuestion {
    std::string firstTerm;
    std::string operatorSign;
    std::string secondTerm;
    std::string resultTerm;
    std::int16_t blankPosition = 0;  // 1 the result, 2 the second term, 3 the first term
    std::string typedAnswer;
    std::string rightAnswer;
    bool right = false;
    std::vector<std::string> practiceAttempts;  // the wrong entries tried before closing
};

// One run, stored when its report is written.
struct StoredRun {
    long long id = 0;    // the store's number for the run, 0 until stored
    std::string uuid{};  // the record's own id, given when it is handed to the history
    std::string learner;
    std::string startDate;
    std::string startTime;
    std::string mode;  // the operators of the mode list, "+-" or "×÷"
    int digits = 0;
    int questionCount = 0;
    int secondsPerQuestion = 0;
    bool exam = true;
    std::string layout;  // the layout button's caption
    bool fillIn = false;
    int answered = 0;
    int right = 0;
    int wrong = 0;
    int score = 0;
    int secondsUsed = 0;
    int firstTryRight = 0;  // questions right at the first try, as read by runsOf
    std::vector<StoredQuestion> questions;
};

// One written test paper.
struct StoredPaper {
    std::string learner;
    int number = 0;
    std::string date;
    std::string time;
    std::string mode;
    int digits = 0;
    int questionCount = 0;
    bool exam = true;
    std::string layout;
    bool fillIn = false;
    std::string uuid{};  // the record's own id, given when it is handed to the history
};

// A learner known to the history, with the day of the newest stored record of any kind.
struct LearnerSummary {
    std::string name;
    std::string lastDate;
};

// A question of the wrong-question book: answered wrong in an exam, or needing more than
// one try in practice (its wrong tries are the question's practice attempts).
// A question of a level test is written whole in the question's first term ("325-67+12",
// "12×3"), with no operator and its result the blank; `level` is then the test's level.
struct WrongQuestion {
    std::string date;
    std::string mode;
    StoredQuestion question;
    bool exam = true;
    int level = -1;  // 0 = 十级 .. 9 = 一级 for a question of a level test, else -1
};

// One chain of a drill in the practice room, as answered or stopped.
struct StoredDrill {
    std::string learner;
    std::string date;
    std::string time;
    std::string kind;  // "闪电心算", "听心算", "拨珠练习"
    int digits = 0;
    int terms = 0;
    std::string secondsPerNumber;  // as chosen: "0.2" .. "3.0"
    std::string mix;               // "只加" or "加减"
    std::string view;              // "看数" or "看珠"
    std::string chain;             // the terms as written: "325+67-12"
    std::string answer;            // the answer typed; empty for a stopped chain
    bool right = false;
    bool stopped = false;
    int secondsUsed = 0;
    std::string rhymeGroup;  // the bead drill's rhyme group ("直加" ...); empty for the others
    int wrongClicks = 0;     // the bead drill's wrong bead moves in the question
    std::string uuid{};      // the record's own id, given when it is handed to the history
};

// One question of a level test as answered.
struct StoredLevelQuestion {
    int item = 0;             // 0 加减算, 1 乘算
    int number = 0;           // from 1 in its item
    std::string question;     // as written: "325-67+12", "12×3"
    std::string typedAnswer;  // empty when left unanswered
    std::string rightAnswer;
    bool right = false;
    bool operator==(const StoredLevelQuestion&) const = default;
};

// One level test, stored when its last item ends.
struct StoredLevelTest {
    std::string learner;
    std::string date;
    std::string time;
    int level = 0;  // 0 = 十级 .. 9 = 一级
    int minutesPerItem = 0;
    std::vector<int> rightPerItem;  // 加减算 first, then 乘算 from 六级
    bool passed = false;
    std::vector<StoredLevelQuestion> questions;  // every question, item by item
    long long id = 0;                            // the store's number for the test, 0 until stored
    std::string uuid{};  // the record's own id, given when it is handed to the history
};

// A run as it happens: what is closed so far and the wrong entries of the open question.
struct RunJournal {
    StoredRun run;
    std::vector<std::string> openQuestionAttempts;
};
