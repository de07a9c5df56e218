#include "util/amounts.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct RoundCase {
    double value;
    int decimals;
    const char* text;
    double rounded;
};

TEST(Rounding, HalfAwayFromZeroOnTheValueAsRead) {
    const RoundCase cases[] = {
        {0.125, 2, "0.13", 0.13},      {-0.125, 2, "-0.13", -0.13},    {2.675, 2, "2.68", 2.68},
        {1.005, 2, "1.01", 1.01},      {0.285, 2, "0.29", 0.29},       {1.0049999, 2, "1.00", 1.0},
        {2.5, 0, "3", 3.0},            {-2.5, 0, "-3", -3.0},          {999.995, 2, "1000.00", 1000.0},
        {0.004, 2, "0.00", 0.0},       {0.005, 2, "0.01", 0.01},       {-0.004, 2, "0.00", 0.0},
        {0.1 + 0.2, 2, "0.30", 0.3},   {1e20, 2, "100000000000000000000.00", 1e20},
        {123456789012.345, 2, "123456789012.35", 123456789012.35},     {0.0, 3, "0.000", 0.0},
        {1.23456, 4, "1.2346", 1.2346}, {7.0, -1, "7", 7.0},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
        EXPECT_EQ(roundedDecimalText(c.value, c.decimals), c.text);
        EXPECT_EQ(roundTo(c.value, c.decimals), c.rounded);
    }
}

TEST(Rounding, NegativeZeroIsNeverWritten) {
    EXPECT_EQ(roundedDecimalText(-0.0, 2), "0.00");
    EXPECT_EQ(roundedDecimalText(-0.0001, 2), "0.00");
}

TEST(Amounts, ComparedAtWholeCents) {
    double tenDimes = 0;
    for (int i = 0; i < 10; ++i) tenDimes += 0.1;
    ASSERT_NE(tenDimes, 1.0);

    EXPECT_EQ(toCents(29.99999), 3000);
    EXPECT_EQ(toCents(-0.005), -1);
    EXPECT_EQ(toCents(1234567.891), 123456789);
    EXPECT_TRUE(sameAmount(tenDimes, 1.0));
    EXPECT_TRUE(sameAmount(100.004, 100.0));
    EXPECT_FALSE(sameAmount(100.005, 100.0));
    EXPECT_TRUE(isZeroAmount(tenDimes - 1.0));
    EXPECT_TRUE(isZeroAmount(-0.004));
    EXPECT_FALSE(isZeroAmount(0.005));
    EXPECT_EQ(amountSign(-0.004), 0);
    EXPECT_EQ(amountSign(-0.005), -1);
    EXPECT_EQ(amountSign(0.01), 1);
}

}  // namespace
}  // namespace tarvo
