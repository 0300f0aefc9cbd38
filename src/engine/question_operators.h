#pragma once
// The four operators a question can carry, as shown in the question line.

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kPlusSign = "+";
inline constexpr std::string_view kMinusSign = "-";
inline constexpr std::string_view kTimesSign = "×";
inline constexpr std::string_view kDivideSign = "÷";

enum class Operator { Plus, Minus, Times, Divide };

// The operator a sign stands for; nothing for any other text.
inline std::optional<Operator> operatorOfSign(const std::string& sign) {
    if (sign == kPlusSign) return Operator::Plus;
    if (sign == kMinusSign) return Operator::Minus;
    if (sign == kTimesSign) return Operator::Times;
    if (sign == kDivideSign) return Operator::Divide;
    return std::nullopt;
}
