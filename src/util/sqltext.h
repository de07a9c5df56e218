#pragma once

// Pieces of SQL text built from what a user typed. Every typed value goes through
// escapeSqlString before it is written into a literal.

#include <string>
#include <string_view>

#include "util/dates.h"

namespace tarvo {

// "\" -> "\\", '"' -> '\"', "'" -> "\'": safe inside a double- or single-quoted literal.
std::string escapeSqlString(std::string_view text);

// Regular expressions that find the typed text literally (MariaDB REGEXP).
//
// escapeRegexValue: one "\" before each of . \ * ^ $ + ? | ( ) [ ] { }. Use it when the
// pattern is bound as a value, or when it is written into a literal through escapeSqlString,
// as the search dialog does:
//     "x regexp \"" + escapeSqlString(escapeRegexValue(typed)) + "\""
// so that "A.B" and "(x" are found as typed.
std::string escapeRegexValue(std::string_view text);
// escapeRegex: the same pattern ready to paste raw between the quotes of a literal, i.e.
// escapeSqlString(escapeRegexValue(text)); "(" comes out as "\\(", and the literal turns the
// two backslashes back into one.
std::string escapeRegex(std::string_view text);

// The account-list condition: items separated by ";" or line ends; an item "A:B" selects the
// codes whose first max(len A, len B) characters lie between A and B, any other item the codes
// that start with it. "20;21:23" on kontoid gives
//     (kontoid like "20%" or LEFT(kontoid,2) between "21" and "23")
// Items and their parts are trimmed and escaped; an empty criterion gives "()".
// `column` is a column name chosen by the program, not by the user.
std::string buildCodeCondition(std::string_view criterion, std::string_view column);

// date("yyyy-mm-dd")
std::string sqlDateLiteral(Date date);

}  // namespace tarvo
