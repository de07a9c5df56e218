#include "util/amounts.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tarvo {
namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

std::string roundedDecimalText(double value, int decimals) {
    decimals = std::max(decimals, 0);
    if (!std::isfinite(value)) return value != value ? "nan" : (value > 0 ? "inf" : "-inf");

    // Scientific form with 15 significant digits: d.dddddddddddddde[+-]x
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t ePos = scientific.find('e');
    std::string digits = "0";  // a leading zero absorbs a carry out of the first digit
    for (char c : scientific.substr(0, ePos))
        if (c != '.') digits += c;
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(ePos + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    int integerDigits = exponent + 2;  // digits before the point, counting the leading zero

    const int keep = integerDigits + decimals;
    if (keep <= 0) {
        digits = "0";
        integerDigits = 1;
    } else if (keep < static_cast<int>(digits.size())) {
        const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        for (int i = keep - 1; up && i >= 0; --i) {
            if (digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
            } else {
                ++digits[static_cast<std::size_t>(i)];
                break;
            }
        }
    }
    if (integerDigits < 1) {
        digits.insert(0, static_cast<std::size_t>(1 - integerDigits), '0');
        integerDigits = 1;
    }
    const auto total = static_cast<std::size_t>(integerDigits + decimals);
    if (digits.size() < total) digits.append(total - digits.size(), '0');

    std::string integerPart = digits.substr(0, static_cast<std::size_t>(integerDigits));
    const std::size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart.erase(0, std::min(firstNonZero, integerPart.size() - 1));
    const std::string fraction = digits.substr(static_cast<std::size_t>(integerDigits), static_cast<std::size_t>(decimals));

    std::string result;
    if (value < 0 && digits.find_first_not_of('0') != std::string::npos) result = "-";
    result += integerPart;
    if (decimals > 0) result += "." + fraction;
    return result;
}

double roundTo(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    const std::string text = roundedDecimalText(value, decimals);
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

long long toCents(double amount) { return std::llround(roundTo(amount, 2) * 100.0); }

bool sameAmount(double a, double b) { return toCents(a) == toCents(b); }

bool isZeroAmount(double amount) { return toCents(amount) == 0; }

int amountSign(double amount) {
    const long long cents = toCents(amount);
    return cents > 0 ? 1 : (cents < 0 ? -1 : 0);
}

}  // namespace tarvo
