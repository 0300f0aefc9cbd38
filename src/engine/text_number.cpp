#include "engine/text_number.h"

#include <array>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// Blanks that the reader passes over wherever they stand inside the number.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Copies the leading number of `text` without blanks: sign, digits, fraction, exponent.
std::string leadingNumberText(const std::string& text) {
    std::string number;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i])) ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool sawDigit = false;
    const auto copyDigits = [&] {
        for (skipBlanks(); i < text.size() && isDigit(text[i]); skipBlanks()) {
            number += text[i++];
            sawDigit = true;
        }
    };
    copyDigits();
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        copyDigits();
    }
    if (!sawDigit) return {};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        const std::size_t digitsStart = exponent.size();
        while (j < text.size() && isDigit(text[j])) exponent += text[j++];
        if (exponent.size() > digitsStart) number += exponent;
    }
    return number;
}

}  // namespace

double integerValueOf(const std::string& text) {
    const std::string number = leadingNumberText(text);
    if (number.empty()) return 0;
    double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value)) value = std::copysign(DBL_MAX, value);
    return std::floor(value) + 0.0;
}

std::string plainNumber(double value) {
    constexpr double kExactWholeLimit = 9007199254740992.0;  // 2^53
    if (std::trunc(value) == value && std::fabs(value) < kExactWholeLimit) {
        return std::to_string(static_cast<std::int64_t>(value));
    }
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), written.ptr);
}

std::string signedNumber(std::int64_t value) {
    std::string text = std::to_string(value);
    if (value >= 0) text.insert(text.begin(), ' ');
    return text;
}

// The program never leaves the default rounding mode, in which nearbyint rounds halves to even.
double roundHalfEven(double value) { return std::nearbyint(value); }
