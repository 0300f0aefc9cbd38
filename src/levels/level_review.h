#pragma once
// A level test looked back on: each question as written with the answer typed, the lines a
// teacher reviews under the verdict, and a stored question shown again for a redo.

#include <optional>
#include <string>
#include <vector>

#include "levels/level_paper.h"
#include "model/history_records.h"

// A column sum as written on one line: "325-67+12".
std::string writtenSum(const SumQuestion& question);
// A multiplication as written on one line: "12×3".
std::string writtenProduct(const ProductQuestion& question);

// The typed answer without blanks and leading zeros when it is digits only ("" for none);
// nullopt for anything else or more than nine digits.
std::optional<std::string> answerDigits(const std::string& text);

// Every question of `paper` with the answer typed for it: `typedPerItem` holds each item's
// answers in the order asked ("" for one left empty); a question not reached is unanswered.
std::vector<StoredLevelQuestion> levelQuestionResults(
    const LevelPaper& paper, const std::vector<std::vector<std::string>>& typedPerItem);

// One line for each question answered wrong or left open, in the order asked:
// "加减算 第3题 答25 应为27", "乘算 第2题 未答 应为36".
std::vector<std::string> levelReviewLines(const std::vector<StoredLevelQuestion>& questions);

// The lines that show a written question again as it was asked: a column sum's terms one a
// line with room for a sign, or the multiplication "12 × 3 ="; empty for a text that is
// neither.
std::vector<std::string> askedLevelQuestionLines(const std::string& written);

// A written question shown whole after its answer: its lines as asked with the total under
// them ("=270", or the multiplication "12 × 3 = 36" on its line), then the answer typed
// ("答25", or "未答" for none); empty for a text that is neither question.
std::vector<std::string> judgedLevelQuestionLines(const std::string& written,
                                                  const std::string& typed,
                                                  const std::string& rightAnswer);
