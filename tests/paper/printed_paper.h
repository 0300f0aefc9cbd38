#pragma once
// Reads the last test paper of the record list back into its questions and its answer
// sheet, so that tests can check what a child would see on paper.

#include <map>
#include <optional>
#include <string>
#include <vector>

// One printed question; a blank term is "" (the result of a normal question) or brackets.
struct PrintedQuestion {
    int number = 0;
    std::string first;
    std::string sign;
    std::string second;
    std::string result;
};

// One cell of the answer sheet.
struct PrintedAnswer {
    long answer = 0;
    std::optional<long> remainder;
};

struct PrintedPaper {
    std::vector<PrintedQuestion> questions;  // in the order they are printed
    std::map<int, PrintedAnswer> answers;    // by question number
};

// The last paper in `lines`: question lines between the header rule and the score box,
// vertical sums group by group, and the answer sheet under "答案纸".
PrintedPaper readLastPaper(const std::vector<std::string>& lines, bool verticalSums,
                           bool remainders);

// True for a term left blank for the learner.
bool isBlankTerm(const std::string& term);
