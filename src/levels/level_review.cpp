#include "levels/level_review.h"

#include <cstdlib>

#include "levels/level_question_text.h"

namespace {

constexpr char kItemNames[][10] = {"加减算", "乘算"};
constexpr char kTimes[] = "×";
constexpr char kUnanswered[] = "未答";
constexpr std::size_t kLongestAnswer = 9;
constexpr std::size_t kLongestTerm = 9;

// The whole number `digits` stands for, when it is one of at most nine digits.
std::optional<std::int32_t> termValue(const std::string& digits) {
    if (digits.empty() || digits.size() > kLongestTerm) return std::nullopt;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    return static_cast<std::int32_t>(std::atol(digits.c_str()));
}

// The signed terms of "325-67+12", the first never signed; nullopt for any other text.
std::optional<std::vector<std::int32_t>> sumTerms(const std::string& written) {
    std::vector<std::int32_t> terms;
    std::string digits;
    int sign = 1;
    for (std::size_t i = 0; i <= written.size(); ++i) {
        const char c = i < written.size() ? written[i] : '+';
        if (c != '+' && c != '-') {
            digits += c;
            continue;
        }
        const auto value = termValue(digits);
        if (!value) return std::nullopt;
        terms.push_back(sign * *value);
        sign = c == '-' ? -1 : 1;
        digits.clear();
    }
    return terms;
}

}  // namespace

std::string writtenSum(const SumQuestion& question) {
    std::string text;
    for (const std::int32_t term : question.terms) {
        if (!text.empty() || term < 0) text += term < 0 ? "-" : "+";
        text += std::to_string(std::abs(term));
    }
    return text;
}

std::string writtenProduct(const ProductQuestion& question) {
    return std::to_string(question.first) + kTimes + std::to_string(question.second);
}

std::optional<std::string> answerDigits(const std::string& text) {
    std::string digits;
    for (const char c : text) {
        if (c == ' ') continue;
        if (c < '0' || c > '9') return std::nullopt;
        digits += c;
    }
    const auto first = digits.find_first_not_of('0');
    if (!digits.empty()) digits = first == std::string::npos ? "0" : digits.substr(first);
    if (digits.size() > kLongestAnswer) return std::nullopt;
    return digits;
}

std::vector<StoredLevelQuestion> levelQuestionResults(
    const LevelPaper& paper, const std::vector<std::vector<std::string>>& typedPerItem) {
    std::vector<StoredLevelQuestion> results;
    const auto add = [&](int item, std::size_t index, std::string written, std::int32_t answer) {
        const auto itemIndex = static_cast<std::size_t>(item);
        std::string typed;
        if (itemIndex < typedPerItem.size() && index < typedPerItem[itemIndex].size()) {
            typed = typedPerItem[itemIndex][index];
        }
        const std::string right = std::to_string(answer);
        results.push_back(
            {item, static_cast<int>(index) + 1, std::move(written), typed, right, typed == right});
    };
    for (std::size_t i = 0; i < paper.additionItem.size(); ++i) {
        add(0, i, writtenSum(paper.additionItem[i]), paper.additionItem[i].answer);
    }
    for (std::size_t i = 0; i < paper.multiplicationItem.size(); ++i) {
        add(1, i, writtenProduct(paper.multiplicationItem[i]), paper.multiplicationItem[i].answer);
    }
    return results;
}

std::vector<std::string> levelReviewLines(const std::vector<StoredLevelQuestion>& questions) {
    std::vector<std::string> lines;
    for (const StoredLevelQuestion& question : questions) {
        if (question.right) continue;
        const std::string typed =
            question.typedAnswer.empty() ? kUnanswered : "答" + question.typedAnswer;
        lines.push_back(std::string(kItemNames[question.item == 0 ? 0 : 1]) + " 第" +
                        std::to_string(question.number) + "题 " + typed + " 应为" +
                        question.rightAnswer);
    }
    return lines;
}

std::vector<std::string> judgedLevelQuestionLines(const std::string& written,
                                                  const std::string& typed,
                                                  const std::string& rightAnswer) {
    std::vector<std::string> lines = askedLevelQuestionLines(written);
    if (lines.empty()) return lines;
    if (written.find(kTimes) != std::string::npos) {
        lines.back() += " " + rightAnswer;
    } else {
        lines.push_back("=" + rightAnswer);
    }
    lines.push_back(typed.empty() ? kUnanswered : "答" + typed);
    return lines;
}

std::vector<std::string> askedLevelQuestionLines(const std::string& written) {
    const auto times = written.find(kTimes);
    if (times != std::string::npos) {
        const auto first = termValue(written.substr(0, times));
        const auto second = termValue(written.substr(times + sizeof kTimes - 1));
        if (!first || !second) return {};
        return {productLine({*first, *second, 0})};
    }
    const auto terms = sumTerms(written);
    if (!terms) return {};
    return columnLines({*terms, 0});
}
