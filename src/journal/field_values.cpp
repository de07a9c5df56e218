#include "journal/field_values.h"

#include <charconv>

#include "util/amounts.h"
#include "util/strings.h"

namespace tarvo {

std::optional<Date> parseSqlDate(std::string_view text) {
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int year = 0;
    unsigned month = 0, day = 0;
    auto number = [&](size_t from, size_t length, auto& out) {
        const char* begin = text.data() + from;
        auto [end, error] = std::from_chars(begin, begin + length, out);
        return error == std::errc() && end == begin + length;
    };
    if (!number(0, 4, year) || !number(5, 2, month) || !number(8, 2, day)) return std::nullopt;
    const Date date{std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
    if (!date.ok()) return std::nullopt;
    return date;
}

std::optional<Date> dateOf(const db::Value& value) {
    if (value.isNull()) return std::nullopt;
    return parseSqlDate(value.asString());
}

db::Value dateValue(Date date) { return db::Value(formatIsoDate(date)); }

db::Value amountValue(double amount) { return db::Value(roundedDecimalText(amount, 2)); }

db::Value integerValue(long long number) { return db::Value(std::to_string(number)); }

std::string amountDisplayText(double amount) {
    std::string text = roundedDecimalText(amount, 2);
    const bool negative = text.front() == '-';
    std::string_view digits(text);
    if (negative) digits.remove_prefix(1);
    if (digits.substr(0, 2) == "0.") digits.remove_prefix(1);
    std::string shown = (negative ? "-" : "") + std::string(digits);
    shown[shown.find('.')] = ',';
    return shown;
}

std::string generalNumberText(double value, int maxDecimals) {
    std::string text = roundedDecimalText(value, maxDecimals);
    if (const size_t point = text.find('.'); point != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
        else text[point] = ',';
    }
    return text == "-0" ? "0" : text;
}

std::optional<long long> parseWholeNumber(std::string_view text) {
    const std::string clean = trimmed(text);
    if (clean.empty()) return std::nullopt;
    const char* begin = clean.data();
    const char* end = clean.data() + clean.size();
    if (*begin == '+') ++begin;
    long long number = 0;
    auto [stop, error] = std::from_chars(begin, end, number);
    if (error != std::errc() || stop != end) return std::nullopt;
    return number;
}

}  // namespace tarvo
