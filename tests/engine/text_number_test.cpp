// Numbers in text: reading a caption's leading number, also from text that is no number or
// too large for 32 bits, writing plain and signed numbers, and rounding halves to even.

#include "engine/text_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

TEST(IntegerValueOf, ReadsTheLeadingNumberWithBlanksSkippedAndFractionFloored) {
    EXPECT_EQ(integerValueOf("12"), 12);
    EXPECT_EQ(integerValueOf(" 1 2 3 "), 123);
    EXPECT_EQ(integerValueOf("17 )"), 17);
    EXPECT_EQ(integerValueOf("12abc"), 12);
    EXPECT_EQ(integerValueOf("3.7"), 3);
    EXPECT_EQ(integerValueOf("-3.7"), -4);
    EXPECT_EQ(integerValueOf(" - 15"), -15);
    EXPECT_EQ(integerValueOf("2e3"), 2000);
    EXPECT_EQ(integerValueOf("2e"), 2);
}

TEST(IntegerValueOf, TextWithoutANumberReadsZero) {
    for (const char* text : {"", "  ", "(  )", "(     )", "abc", "+", "-", ".", "e5", "√", "-0"}) {
        const double value = integerValueOf(text);
        EXPECT_EQ(value, 0) << '"' << text << '"';
        EXPECT_FALSE(std::signbit(value)) << '"' << text << '"';
    }
}

TEST(IntegerValueOf, NumbersBeyondThirtyTwoBitsSaturateInsteadOfOverflowing) {
    EXPECT_EQ(integerValueOf("99999999999"), 99999999999.0);
    EXPECT_EQ(integerValueOf("1e400"), DBL_MAX);
    EXPECT_EQ(integerValueOf("-1e400"), -DBL_MAX);
    EXPECT_EQ(integerValueOf(std::string(5000, '9')), DBL_MAX);

    using Int32 = std::numeric_limits<std::int32_t>;
    EXPECT_EQ(saturatedTo<std::int32_t>(integerValueOf("99999999999")), Int32::max());
    EXPECT_EQ(saturatedTo<std::int32_t>(integerValueOf("-99999999999")), Int32::min());
    EXPECT_EQ(saturatedTo<std::int32_t>(integerValueOf("2147483647")), Int32::max());
    EXPECT_EQ(saturatedTo<std::int32_t>(integerValueOf("-2147483648")), Int32::min());
    EXPECT_EQ(saturatedTo<std::int32_t>(integerValueOf("2147483646")), 2147483646);
    EXPECT_EQ(saturatedTo<std::int16_t>(integerValueOf("40000")), 32767);
    EXPECT_EQ(saturatedTo<std::int64_t>(integerValueOf("1e400")),
              std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(saturatedTo<std::int32_t>(std::nan("")), 0);
}

TEST(NumberText, PlainAndSignedForms) {
    EXPECT_EQ(plainNumber(std::int16_t{12}), "12");
    EXPECT_EQ(plainNumber(std::int64_t{-3}), "-3");
    EXPECT_EQ(signedNumber(12), " 12");
    EXPECT_EQ(signedNumber(0), " 0");
    EXPECT_EQ(signedNumber(-3), "-3");
}

TEST(NumberText, ComputedNumbersAreWholeWhenWholeAndShortestOtherwise) {
    EXPECT_EQ(plainNumber(19.0), "19");
    EXPECT_EQ(plainNumber(99980001.0), "99980001");
    EXPECT_EQ(plainNumber(-0.0), "0");
    EXPECT_EQ(plainNumber(-42.0), "-42");
    EXPECT_EQ(plainNumber(0.5), "0.5");
    EXPECT_EQ(plainNumber(1e20), "1e+20");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(7.5), 8);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(6.666), 7);
    EXPECT_EQ(roundHalfEven(2.499), 2);
}

}  // namespace
