#include "util/dates.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using namespace std::chrono;

TEST(Dates, TwoDigitYears) {
    const std::pair<int, int> cases[] = {{0, 2000}, {49, 2049}, {50, 1950}, {99, 1999}, {2024, 2024}, {1949, 1949}};
    for (const auto& [typed, year] : cases) EXPECT_EQ(expandTwoDigitYear(typed), year) << typed;
}

TEST(Dates, Formats) {
    EXPECT_EQ(formatDate(year(2024) / January / 5), "05.01.2024");
    EXPECT_EQ(formatDateShort(year(2024) / January / 5), "05.01.24");
    EXPECT_EQ(formatDateShort(year(1999) / December / 31), "31.12.99");
    EXPECT_EQ(formatIsoDate(year(2024) / January / 5), "2024-01-05");
}

TEST(Dates, Parse) {
    const std::pair<const char*, Date> valid[] = {
        {"05.01.2024", year(2024) / January / 5}, {"5.1.24", year(2024) / January / 5},
        {"31.12.99", year(1999) / December / 31}, {"01.01.50", year(1950) / January / 1},
        {"01.01.49", year(2049) / January / 1},   {" 29.02.2024 ", year(2024) / February / 29},
    };
    for (const auto& [text, date] : valid) EXPECT_EQ(parseDate(text), date) << text;

    for (const char* text : {"29.02.2023", "32.01.2024", "01.13.2024", "1.1.202", "1.1.2", "aa.bb.cccc", "05-01-2024",
                             "", "05.01.2024x", "05.01", "005.01.2024"})
        EXPECT_FALSE(parseDate(text).has_value()) << text;
}

}  // namespace
}  // namespace tarvo
