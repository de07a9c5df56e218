#include "util/numbers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

#include <fmt/format.h>

#include "util/amounts.h"

namespace tarvo {
namespace {

std::string leftPadded(std::string text, int width, char filler) {
    const auto size = static_cast<int>(text.size());
    if (size < width) text.insert(0, static_cast<std::size_t>(width - size), filler);
    return text;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string formatFixedTrimmed(int decimals, int /*width*/, bool useDot, double value) {
    std::string text = roundedDecimalText(value, decimals);
    if (!useDot) std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string formatFixed(int decimals, int width, bool useDot, double value) {
    return leftPadded(formatFixedTrimmed(decimals, width, useDot, value), width, ' ');
}

std::string formatFixedWD(int width, int decimals, bool useDot, double value) {
    return formatFixed(decimals, width, useDot, value);
}

std::string zeroPadded(long long value, int width) {
    const std::string digits = fmt::format("{}", value);
    if (value < 0) return "-" + leftPadded(digits.substr(1), width - 1, '0');
    return leftPadded(digits, width, '0');
}

std::string spacePadded(long long value, int width) { return leftPadded(fmt::format("{}", value), width, ' '); }

std::optional<double> tryParseAmount(std::string_view text, bool complete) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    std::string normalised(text);
    std::replace(normalised.begin(), normalised.end(), ',', '.');
    if (complete && normalised.find('.') == std::string::npos) normalised += ".00";

    std::string_view number = normalised;
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan", and a second sign.
    if (number.empty() || !(std::isdigit(static_cast<unsigned char>(number.front())) || number.front() == '.'))
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
    return negative ? -value : value;
}

double parseAmount(std::string_view text, bool complete) {
    if (auto value = tryParseAmount(text, complete)) return *value;
    throw std::invalid_argument(fmt::format("\"{}\" nije ispravan broj.", text));
}

}  // namespace tarvo
