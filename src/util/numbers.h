#pragma once

// Numbers to fixed-width text and back. Nothing here looks at the machine's locale:
// the decimal separator is "," unless the caller asks for ".".

#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// `value` with exactly `decimals` decimals (rounded by roundTo), right-aligned in at least
// `width` characters; a wider value is never cut. No thousands separators.
std::string formatFixed(int decimals, int width, bool useDot, double value);
std::string formatFixedTrimmed(int decimals, int width, bool useDot, double value);
std::string formatFixedWD(int width, int decimals, bool useDot, double value);

// Right-aligned integers; zeroPadded puts the zeros after a minus sign.
std::string zeroPadded(long long value, int width);
std::string spacePadded(long long value, int width);

// A number typed with either decimal separator, optional sign and exponent, surrounding
// blanks allowed. Anything else (thousands separators, letters, inner blanks) fails.
// With `complete` a text without a decimal part reads as if ".00" followed it, so an
// empty text reads as 0.
std::optional<double> tryParseAmount(std::string_view text, bool complete);
// As tryParseAmount; throws std::invalid_argument with a message for the user on bad text.
double parseAmount(std::string_view text, bool complete);

}  // namespace tarvo
