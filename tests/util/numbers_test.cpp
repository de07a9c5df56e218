#include "util/numbers.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct FixedCase {
    int decimals;
    int width;
    bool useDot;
    double value;
    const char* expected;
};

TEST(FormatFixed, RoundsHalfAwayAndNeverCuts) {
    const FixedCase cases[] = {
        {2, 0, false, 0.125, "0,13"},
        {2, 0, false, -0.125, "-0,13"},
        {2, 0, true, 2.675, "2.68"},
        {2, 0, false, 1.005, "1,01"},
        {2, 14, false, 1234.5, "       1234,50"},
        {2, 5, false, 123456.789, "123456,79"},
        {2, 0, false, 12345678901.5, "12345678901,50"},
        {2, 20, true, 1e15, " 1000000000000000.00"},
        {0, 6, false, 2.5, "     3"},
        {3, 0, false, -0.0004, "0,000"},
        {2, 8, false, 999.995, " 1000,00"},
        {2, 3, false, 0.0, "0,00"},
    };
    for (const FixedCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " width " << c.width);
        EXPECT_EQ(formatFixed(c.decimals, c.width, c.useDot, c.value), c.expected);
    }
}

TEST(FormatFixed, Variants) {
    EXPECT_EQ(formatFixedTrimmed(2, 14, false, 1234.5), "1234,50");
    EXPECT_EQ(formatFixedWD(14, 2, false, 1234.5), "       1234,50");
    EXPECT_EQ(formatFixedWD(0, 3, true, 7.25), "7.250");
}

TEST(IntegerPadding, ZerosAndBlanks) {
    EXPECT_EQ(zeroPadded(42, 5), "00042");
    EXPECT_EQ(zeroPadded(123456, 3), "123456");
    EXPECT_EQ(zeroPadded(-5, 4), "-005");
    EXPECT_EQ(spacePadded(42, 5), "   42");
    EXPECT_EQ(spacePadded(-42, 2), "-42");
}

struct ParseCase {
    const char* text;
    bool complete;
    double expected;
};

TEST(ParseAmount, EitherSeparator) {
    const ParseCase cases[] = {
        {"12,50", false, 12.5}, {"12.50", false, 12.5}, {"  -3,5 ", false, -3.5}, {"+7", false, 7},
        {",5", false, 0.5},     {"5,", false, 5},       {"1e3", false, 1000},     {"12", true, 12},
        {"", true, 0},          {"-0,01", true, -0.01},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseAmount(c.text, c.complete), c.expected);
    }
}

TEST(ParseAmount, JunkFails) {
    for (const char* text : {"", "1.234,56", "1,234.56", "12a", "1 234", "abc", "inf", "nan", "--5", "+-5", ".", "0x10"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(tryParseAmount(text, false).has_value());
        EXPECT_THROW(parseAmount(text, false), std::invalid_argument);
    }
}

}  // namespace
}  // namespace tarvo
