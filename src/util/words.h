#pragma once

// Amounts in Bosnian words, as written on compensation documents.

#include <string>

namespace tarvo {

// The amount rounded to whole cents, in words without blanks between them ("dvadesetjedna"),
// the cents as "n/100" (" i n/100" after a whole part), nothing for 0 cents; "" for 0.
// A negative amount starts with "minus ". Up to five groups of three digits.
std::string amountInWords(double amount);

}  // namespace tarvo
