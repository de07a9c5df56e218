#pragma once

// Calendar dates as the program shows and reads them. Two-digit years: 00-49 are
// 2000-2049, 50-99 are 1950-1999.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

using Date = std::chrono::year_month_day;

// A year as typed: two digits (0-99) are expanded, any other year is returned unchanged.
int expandTwoDigitYear(int year);

std::string formatDate(Date date);       // dd.mm.yyyy
std::string formatDateShort(Date date);  // dd.mm.yy
std::string formatIsoDate(Date date);    // yyyy-mm-dd

// "dd.mm.yyyy" or "dd.mm.yy" (day and month may have one digit, blanks around are allowed);
// nothing for any other text or a day the calendar lacks.
std::optional<Date> parseDate(std::string_view text);

// Today by the local clock.
Date today();
std::string todayShort();        // dd.mm.yy
std::string firstOfYearShort();  // 01.01.yy of the current year

}  // namespace tarvo
