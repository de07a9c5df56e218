#pragma once

// Rounding and comparison of amounts. Doubles drift (0.1 + 0.2), so every amount is
// rounded the way a user reads it and compared at whole cents.

#include <string>

namespace tarvo {

// `value` with `decimals` decimals (at least 0), written with "." and no exponent.
// The value is first taken to 15 significant digits, then rounded half away from zero:
// 0.125 -> "0.13", -0.125 -> "-0.13", 2.675 -> "2.68", 1.005 -> "1.01". Never "-0.00".
std::string roundedDecimalText(double value, int decimals);

// The same rounding as a number.
double roundTo(double value, int decimals);

long long toCents(double amount);
bool sameAmount(double a, double b);
bool isZeroAmount(double amount);
// -1, 0 or 1 by the amount's whole cents.
int amountSign(double amount);

}  // namespace tarvo
