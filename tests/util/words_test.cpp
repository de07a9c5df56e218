#include "util/words.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct WordsCase {
    double amount;
    const char* words;
};

TEST(AmountInWords, BosnianWords) {
    const WordsCase cases[] = {
        {0, ""},
        {1, "jedna"},
        {11, "jedanaest"},
        {14, "četrnaest"},
        {21, "dvadesetjedna"},
        {60, "šezdeset"},
        {100, "sto"},
        {600, "šesto"},
        {1000, "jednahiljada"},
        {1001, "jednahiljadajedna"},
        {2000, "dvijehiljade"},
        {12000, "dvanaesthiljada"},
        {22000, "dvadesetdvijehiljade"},
        {112000, "stodvanaesthiljada"},
        {1000000, "jedanmilion"},
        {2000000, "dvamiliona"},
        {11000000, "jedanaestmiliona"},
        {21000000, "dvadesetjedanmilion"},
        {1000000000, "jednamilijarda"},
        {2000000000, "dvijemilijarde"},
        {5000000000, "petmilijardi"},
        {1e12, "jedanbilion"},
        {1234567.89, "jedanmiliondvjestotridesetčetirihiljadepetstošezdesetsedam i 89/100"},
        {0.5, "50/100"},
        {1.5, "jedna i 50/100"},
        {1.05, "jedna i 5/100"},
    };
    for (const WordsCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.amount);
        EXPECT_EQ(amountInWords(c.amount), c.words);
    }
}

TEST(AmountInWords, RoundsToCentsFirst) {
    EXPECT_EQ(amountInWords(29.99999), "trideset");
    EXPECT_EQ(amountInWords(29.999999999999986), "trideset");
    EXPECT_EQ(amountInWords(0.999), "jedna");
    EXPECT_EQ(amountInWords(1.001), "jedna");
    EXPECT_EQ(amountInWords(0.001), "");
}

TEST(AmountInWords, NegativeAmount) {
    EXPECT_EQ(amountInWords(-21.5), "minus dvadesetjedna i 50/100");
    EXPECT_EQ(amountInWords(-0.25), "minus 25/100");
}

}  // namespace
}  // namespace tarvo
