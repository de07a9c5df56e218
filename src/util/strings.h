#pragma once

// Shaping of texts for screens, reports and codes. Widths count characters, not bytes.

#include <string>
#include <string_view>
#include <vector>

#include "util/utf8.h"

namespace tarvo {

// Without leading and/or trailing blanks and control characters.
std::string trimmed(std::string_view text);
std::string trimmedLeft(std::string_view text);
std::string trimmedRight(std::string_view text);

// True for a number as the formatters write it: optional sign, digits, at most one "." or ",",
// with blanks around.
bool looksLikeNumber(std::string_view text);

// The text cut to its first `width` characters, or filled up to `width` on the right.
// A number is never cut: only its trailing blanks may go, and the field widens instead.
std::string padRight(std::string_view text, int width, char filler = ' ');
// The text cut to its last `width` characters, or filled up to `width` on the left.
// A number is never cut: only its leading blanks may go, and the field widens instead.
std::string padLeft(std::string_view text, int width, char filler = ' ');
// The last `width` characters of a text at least that long, otherwise centred in blanks.
std::string centerText(std::string_view text, int width);

// "abc" -> "a b c"
std::string spaceOutChars(std::string_view text);
std::string removeChars(std::string_view text, bool removeDots, bool removeCommas, bool removeBlanks);
// The leading run of A-Z and a-z, upper-cased.
std::string leadingLetters(std::string_view text);
// A, B, ..., Z, AA, AB, ..., ZZ, AAA: the last letter counts up and carries into the one before.
std::string nextLetterCode(std::string_view code);
// Each of \ " . blank ' - / replaced by "_".
std::string safeIdentifier(std::string_view text);

struct SplitAtFirst {
    bool found;  // false when the separator is missing or starts the text
    std::string before;
    std::string after;
};
// The parts around the first separator; when not found, `before` is empty and `after`
// is the caller's default.
SplitAtFirst splitAtFirst(std::string_view text, std::string_view separator, std::string_view defaultAfter = {});

struct NumberAndText {
    std::string number;
    std::string rest;
};
// "71000 Sarajevo" -> {"71000", "Sarajevo"}: the first piece (split at blanks and commas)
// when it starts with a digit, and the other pieces joined by single blanks.
NumberAndText splitNumberAndText(std::string_view text);

// The n-th word (1-based) from the start, or from the end when `fromEnd`; words are
// separated by blanks, "#" and ","; "" when there are fewer than n words.
std::string nthWord(std::string_view text, int n, bool fromEnd);

}  // namespace tarvo
