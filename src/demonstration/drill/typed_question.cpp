#include "demonstration/drill/typed_question.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "demonstration/multiplication_steps.h"

namespace {

constexpr char kPlus[] = "+";
constexpr char kMinus[] = "-";
constexpr char kTimes[] = "×";
constexpr char kDivide[] = "÷";
constexpr char kRemainderWord[] = "余";
constexpr char kNothingTyped[] = "请输入要演示的题目，例如 325+67";
constexpr char kNoSign[] = "题目里没有运算符号，例如 325+67";
constexpr char kSignFirst[] = "题目要以数开头";
constexpr char kTwoTermsOnly[] = "乘法和除法只演示两个数的题，例如 73×58、2646÷9";
constexpr char kZeroDivisor[] = "除数不能是 0";
constexpr char kZeroFactor[] = "乘法的两个数都不能是 0";
constexpr char kDividendTooSmall[] = "被除数比除数小，商是 0，没有珠子要拨";
constexpr char kBelowZero[] = "减到这里不够减：算盘上的数不能小于 0";
// More digits than this cannot be a question for any board.
constexpr std::size_t kLongestNumber = 9;

// A sign as typed and the sign it stands for.
struct SignSpelling {
    std::string_view typed;
    const char* sign;
};
constexpr std::array<SignSpelling, 7> kSigns = {{{"+", kPlus},
                                                 {"-", kMinus},
                                                 {"×", kTimes},
                                                 {"x", kTimes},
                                                 {"*", kTimes},
                                                 {"÷", kDivide},
                                                 {"/", kDivide}}};
constexpr std::array<std::string_view, 3> kBlanks = {" ", "\t", "　"};

// The length of the UTF-8 character starting with byte `lead`.
std::size_t characterLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// The refusal for a question that needs `needed` rods on a board of `rods`.
std::string tooManyRods(int needed, int rods) {
    return "这道题要用" + std::to_string(needed) + "档，算盘只有" + std::to_string(rods) + "档";
}

// The sign `text` starts with, or nullptr.
const SignSpelling* signAt(std::string_view text) {
    for (const SignSpelling& spelling : kSigns) {
        if (text.starts_with(spelling.typed)) return &spelling;
    }
    return nullptr;
}

// The length of the blank `text` starts with, 0 when none.
std::size_t blankAt(std::string_view text) {
    for (std::string_view blank : kBlanks) {
        if (text.starts_with(blank)) return blank.size();
    }
    return 0;
}

// A chain's running totals, the first term included; false when one falls below 0.
bool runningTotals(const TypedQuestion& question, std::vector<std::int64_t>& totals) {
    std::int64_t total = question.terms.front();
    totals.push_back(total);
    for (std::size_t i = 0; i < question.signs.size(); ++i) {
        const std::int32_t term = question.terms[i + 1];
        total += question.signs[i] == kMinus ? -std::int64_t{term} : std::int64_t{term};
        if (total < 0) return false;
        totals.push_back(total);
    }
    return true;
}

// Why the numbers of a well-formed question cannot be played, or nothing.
std::string refusalOfTerms(const TypedQuestion& question, int rods) {
    const std::string& sign = question.signs.front();
    const bool chain = sign == kPlus || sign == kMinus;
    if (!chain && question.terms.size() > 2) return kTwoTermsOnly;
    if (sign == kDivide && question.terms[1] == 0) return kZeroDivisor;
    if (sign == kTimes && (question.terms[0] == 0 || question.terms[1] == 0)) return kZeroFactor;
    if (sign == kDivide && question.terms[0] < question.terms[1]) return kDividendTooSmall;
    std::vector<std::int64_t> totals;
    if (chain && !runningTotals(question, totals)) return kBelowZero;
    const int needed = rodsNeeded(question);
    return needed > rods ? tooManyRods(needed, rods) : std::string{};
}

}  // namespace

TypedQuestion readTypedQuestion(const std::string& text, int rods) {
    TypedQuestion question;
    std::string_view rest = text;
    std::string number;
    const auto endNumber = [&] {
        if (number.empty()) return true;
        const std::size_t first = std::min(number.find_first_not_of('0'), number.size() - 1);
        number.erase(0, first);
        if (number.size() > kLongestNumber) {
            question.refusal = tooManyRods(static_cast<int>(number.size()), rods);
            return false;
        }
        question.terms.push_back(std::stoi(number));
        number.clear();
        return true;
    };
    while (!rest.empty()) {
        if (const std::size_t blank = blankAt(rest)) {
            rest.remove_prefix(blank);
        } else if (rest.front() >= '0' && rest.front() <= '9') {
            number += rest.front();
            rest.remove_prefix(1);
        } else if (const SignSpelling* spelling = signAt(rest)) {
            if (!endNumber()) return question;
            if (question.terms.size() != question.signs.size() + 1) {
                question.refusal = question.terms.empty()
                                       ? kSignFirst
                                       : "“" + question.signs.back() + "”后面少了一个数";
                return question;
            }
            question.signs.emplace_back(spelling->sign);
            rest.remove_prefix(spelling->typed.size());
        } else {
            const std::size_t length =
                std::min(characterLength(static_cast<unsigned char>(rest.front())), rest.size());
            question.refusal =
                "“" + std::string(rest.substr(0, length)) + "”不是数字，也不是 + - × ÷ 运算符号";
            return question;
        }
    }
    if (!endNumber()) return question;
    if (question.terms.empty() && question.signs.empty()) {
        question.refusal = kNothingTyped;
    } else if (question.terms.size() != question.signs.size() + 1) {
        question.refusal =
            question.terms.empty() ? kSignFirst : "“" + question.signs.back() + "”后面少了一个数";
    } else if (question.signs.empty()) {
        question.refusal = kNoSign;
    } else {
        const std::string& first = question.signs.front();
        const bool chain = first == kPlus || first == kMinus;
        for (const std::string& sign : question.signs) {
            if ((sign == kPlus || sign == kMinus) != chain) question.refusal = kTwoTermsOnly;
        }
        if (question.refusal.empty()) question.refusal = refusalOfTerms(question, rods);
    }
    return question;
}

int rodsNeeded(const TypedQuestion& question) {
    const std::string& sign = question.signs.front();
    const std::int32_t first = question.terms[0];
    const std::int32_t second = question.terms[1];
    if (sign == kTimes) return multiplicationRods(first, second);
    if (sign == kDivide) return divisionRods(first, second);
    std::vector<std::int64_t> totals;
    runningTotals(question, totals);
    int widest = 1;
    for (const std::int32_t term : question.terms) widest = std::max(widest, digitCount(term));
    for (const std::int64_t total : totals) {
        widest = std::max(
            widest,
            digitCount(static_cast<std::int32_t>(std::min<std::int64_t>(total, placeValue(9)))));
    }
    return widest;
}

std::vector<BeadStep> typedQuestionSteps(const TypedQuestion& question, QuotientTrial trial,
                                         int rods) {
    const std::string& sign = question.signs.front();
    const std::int32_t first = question.terms[0];
    if (sign == kTimes) return multiplicationSteps(first, question.terms[1], rods);
    if (sign == kDivide) return divisionSteps(first, question.terms[1], trial, rods);
    std::vector<BeadStep> steps;
    std::int32_t row = first;
    for (std::size_t i = 0; i < question.signs.size(); ++i) {
        const bool subtract = question.signs[i] == kMinus;
        const std::int32_t term = question.terms[i + 1];
        for (BeadStep& step : beadStepsOnRods(row, subtract, term, rods)) {
            steps.push_back(std::move(step));
        }
        row = subtract ? row - term : row + term;
    }
    return steps;
}

std::int32_t typedStartingRow(const TypedQuestion& question) {
    return question.signs.front() == kTimes ? 0 : question.terms.front();
}

std::string typedQuestionText(const TypedQuestion& question) {
    std::string text = std::to_string(question.terms.front());
    for (std::size_t i = 0; i < question.signs.size(); ++i) {
        text += question.signs[i] + std::to_string(question.terms[i + 1]);
    }
    return text;
}

std::string typedQuestionCaption(const TypedQuestion& question) {
    std::string text = std::to_string(question.terms.front());
    for (std::size_t i = 0; i < question.signs.size(); ++i) {
        text += " " + question.signs[i] + " " + std::to_string(question.terms[i + 1]);
    }
    return text;
}

std::string typedAnswerText(const TypedQuestion& question) {
    const std::string& sign = question.signs.front();
    const std::int64_t first = question.terms[0];
    const std::int64_t second = question.terms[1];
    if (sign == kTimes) return std::to_string(first * second);
    if (sign == kDivide) {
        const std::string quotient = std::to_string(first / second);
        return first % second == 0 ? quotient
                                   : quotient + kRemainderWord + std::to_string(first % second);
    }
    std::vector<std::int64_t> totals;
    runningTotals(question, totals);
    return std::to_string(totals.back());
}
