#pragma once

// Field values of vouchers and lines as the entry reads and writes them.

#include <optional>
#include <string>
#include <string_view>

#include "data/db/value.h"
#include "util/dates.h"

namespace tarvo {

// A date column as the server sends it ("yyyy-mm-dd", optionally followed by a time); nothing for NULL,
// an empty text, a zero date or anything else.
std::optional<Date> parseSqlDate(std::string_view text);
std::optional<Date> dateOf(const db::Value& value);
db::Value dateValue(Date date);

// An amount written for a column with two decimals.
db::Value amountValue(double amount);
db::Value integerValue(long long number);

// An amount as the "#.00" display format shows it, with a decimal comma: "1234,50", ",00", "-,50".
std::string amountDisplayText(double amount);

// A number in the general format the messages use: at most `maxDecimals` decimals, trailing zeros
// dropped, decimal comma ("100,5", "-20", "0").
std::string generalNumberText(double value, int maxDecimals = 2);

// A whole number as typed ("12", "-3", blanks around); nothing for any other text.
std::optional<long long> parseWholeNumber(std::string_view text);

}  // namespace tarvo
