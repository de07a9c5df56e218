#pragma once
// The next free secondary code, asked for by typing "@" in a code box.
#include <string>
#include <string_view>

namespace tarvo::db {
class Connection;
}

namespace tarvo::tables {

// `typed` is what the user has typed so far (P), `highest` the highest stored code starting with it (D,
// empty when there is none). The trailing digits of D (never reaching into P) are counted up by one:
// zero-padded to D's length when P is empty, as a plain number otherwise. D without trailing digits,
// an empty D included, gets "1" appended.
std::string nextFreeCode(std::string_view typed, std::string_view highest);

// The text with LIKE's "%", "_" and escape character "\" escaped, so that it matches itself.
std::string escapeLikePattern(std::string_view text);

// Looks up the highest code of `column` in `table` that starts with `typed` and returns the next one.
std::string nextFreeCode(db::Connection& connection, const std::string& table, const std::string& column,
                         std::string_view typed);

}  // namespace tarvo::tables
