#include "util/dates.h"

#include <charconv>
#include <ctime>

#include <fmt/format.h>

namespace tarvo {

int expandTwoDigitYear(int year) {
    if (year < 0 || year > 99) return year;
    return year < 50 ? 2000 + year : 1900 + year;
}

namespace {

struct Parts {
    int day;
    int month;
    int year;
};

Parts partsOf(Date date) {
    return {static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(date.year())};
}

int twoDigitYear(int year) { return ((year % 100) + 100) % 100; }

// A run of 1..maxDigits digits at the front of `text`, consumed.
std::optional<int> takeNumber(std::string_view& text, std::size_t maxDigits, std::size_t& digits) {
    digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    if (digits == 0 || digits > maxDigits) return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + digits, value);
    text.remove_prefix(digits);
    return value;
}

}  // namespace

std::string formatDate(Date date) {
    const Parts p = partsOf(date);
    return fmt::format("{:02}.{:02}.{:04}", p.day, p.month, p.year);
}

std::string formatDateShort(Date date) {
    const Parts p = partsOf(date);
    return fmt::format("{:02}.{:02}.{:02}", p.day, p.month, twoDigitYear(p.year));
}

std::string formatIsoDate(Date date) {
    const Parts p = partsOf(date);
    return fmt::format("{:04}-{:02}-{:02}", p.year, p.month, p.day);
}

std::optional<Date> parseDate(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);

    std::size_t digits = 0;
    const auto day = takeNumber(text, 2, digits);
    if (!day || text.empty() || text.front() != '.') return std::nullopt;
    text.remove_prefix(1);
    const auto month = takeNumber(text, 2, digits);
    if (!month || text.empty() || text.front() != '.') return std::nullopt;
    text.remove_prefix(1);
    const auto year = takeNumber(text, 4, digits);
    if (!year || !text.empty() || (digits != 2 && digits != 4)) return std::nullopt;

    const Date date{std::chrono::year(digits == 2 ? expandTwoDigitYear(*year) : *year),
                    std::chrono::month(static_cast<unsigned>(*month)), std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok()) return std::nullopt;
    return date;
}

Date today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{std::chrono::year(local.tm_year + 1900), std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                std::chrono::day(static_cast<unsigned>(local.tm_mday))};
}

std::string todayShort() { return formatDateShort(today()); }

std::string firstOfYearShort() { return fmt::format("01.01.{:02}", twoDigitYear(static_cast<int>(today().year()))); }

}  // namespace tarvo
