#include "printed_paper.h"

#include <cctype>
#include <cstddef>

namespace {

enum class TokenKind { Number, Term, Sign, Equals };

// A piece of a paper line: a question number "12)", a term "34" or "(  )", an operator, "=".
struct Token {
    TokenKind kind;
    std::string text;
};

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Splits a line into its tokens; blanks only separate them.
std::vector<Token> tokensOf(const std::string& line) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ') {
            ++i;
        } else if (isDigit(c)) {
            std::size_t end = i;
            while (end < line.size() && isDigit(line[end])) ++end;
            if (end < line.size() && line[end] == ')') {
                tokens.push_back({TokenKind::Number, line.substr(i, end - i)});
                i = end + 1;
            } else {
                tokens.push_back({TokenKind::Term, line.substr(i, end - i)});
                i = end;
            }
        } else if (c == '(') {
            const std::size_t end = line.find(')', i);
            tokens.push_back({TokenKind::Term, line.substr(i, end + 1 - i)});
            i = end + 1;
        } else if (c == '=') {
            tokens.push_back({TokenKind::Equals, "="});
            ++i;
        } else if (c == '+' || c == '-') {
            tokens.push_back({TokenKind::Sign, std::string(1, c)});
            ++i;
        } else {
            const std::string wide = line.substr(i, 2);  // "×" and "÷" take two bytes
            tokens.push_back({TokenKind::Sign, wide});
            i += 2;
        }
    }
    return tokens;
}

// The text of token `i` and a step past it when it has kind `kind`, else "".
std::string take(const std::vector<Token>& tokens, std::size_t& i, TokenKind kind) {
    if (i >= tokens.size() || tokens[i].kind != kind) return {};
    return tokens[i++].text;
}

// Question lines of the single and double column: one or two questions a line.
void readColumnQuestions(const std::vector<std::string>& lines, PrintedPaper& paper) {
    for (const std::string& line : lines) {
        const std::vector<Token> tokens = tokensOf(line);
        std::size_t i = 0;
        while (i < tokens.size()) {
            if (tokens[i].kind != TokenKind::Number) {
                ++i;
                continue;
            }
            PrintedQuestion question{std::stoi(take(tokens, i, TokenKind::Number)), "", "", "", ""};
            question.first = take(tokens, i, TokenKind::Term);
            question.sign = take(tokens, i, TokenKind::Sign);
            question.second = take(tokens, i, TokenKind::Term);
            if (take(tokens, i, TokenKind::Equals).empty()) continue;
            question.result = take(tokens, i, TokenKind::Term);
            paper.questions.push_back(question);
        }
    }
}

// The tokens of `kind` in a line, in order.
std::vector<std::string> textsOf(const std::string& line, TokenKind kind) {
    std::vector<std::string> texts;
    for (const Token& token : tokensOf(line)) {
        if (token.kind == kind) texts.push_back(token.text);
    }
    return texts;
}

// Groups of vertical sums: numbers and first terms, operators and second terms, a rule, the
// results (none at all when every result is blank), and an empty line.
void readVerticalSums(const std::vector<std::string>& lines, PrintedPaper& paper) {
    for (std::size_t i = 0; i + 3 < lines.size(); i += 5) {
        const std::vector<std::string> numbers = textsOf(lines[i], TokenKind::Number);
        const std::vector<std::string> firsts = textsOf(lines[i], TokenKind::Term);
        const std::vector<std::string> signs = textsOf(lines[i + 1], TokenKind::Sign);
        const std::vector<std::string> seconds = textsOf(lines[i + 1], TokenKind::Term);
        const std::vector<std::string> results = textsOf(lines[i + 3], TokenKind::Term);
        for (std::size_t column = 0; column < numbers.size(); ++column) {
            const auto at = [column](const std::vector<std::string>& texts) {
                return column < texts.size() ? texts[column] : std::string();
            };
            paper.questions.push_back(
                {std::stoi(numbers[column]), at(firsts), at(signs), at(seconds), at(results)});
        }
    }
}

void readAnswerSheet(const std::vector<std::string>& lines, bool remainders, PrintedPaper& paper) {
    for (const std::string& line : lines) {
        const std::vector<Token> tokens = tokensOf(line);
        for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
            if (tokens[i].kind != TokenKind::Number) continue;
            const int number = std::stoi(tokens[i].text);
            PrintedAnswer answer{std::stol(tokens[i + 1].text), std::nullopt};
            if (remainders && i + 2 < tokens.size())
                answer.remainder = std::stol(tokens[i + 2].text);
            paper.answers[number] = answer;
        }
    }
}

}  // namespace

bool isBlankTerm(const std::string& term) { return term.empty() || term.front() == '('; }

PrintedPaper readLastPaper(const std::vector<std::string>& lines, bool verticalSums,
                           bool remainders) {
    PrintedPaper paper;
    std::size_t header = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find("年级") != std::string::npos) header = i;
    }
    if (header == lines.size()) return paper;
    std::size_t scoreBox = header + 2;
    while (scoreBox < lines.size() && lines[scoreBox] != " ") ++scoreBox;
    const std::vector<std::string> body(lines.begin() + static_cast<long>(header) + 2,
                                        lines.begin() + static_cast<long>(scoreBox));
    if (verticalSums) {
        readVerticalSums(body, paper);
    } else {
        readColumnQuestions(body, paper);
    }
    for (std::size_t i = scoreBox; i < lines.size(); ++i) {
        if (lines[i].find("答案纸") == std::string::npos) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !lines[end].empty()) ++end;
        readAnswerSheet(
            {lines.begin() + static_cast<long>(i) + 1, lines.begin() + static_cast<long>(end)},
            remainders, paper);
    }
    return paper;
}
