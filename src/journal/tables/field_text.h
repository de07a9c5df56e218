#pragma once
// A column value as the editors show it in inputs, grids and prints, and typed text turned back into a
// value for the column. Screens use a decimal comma and dd.mm.yyyy, whatever the server sends.
#include <optional>
#include <string>
#include <string_view>

#include "data/db/value.h"

namespace tarvo::tables {

// "" for NULL; floating-point numbers with a decimal comma; dates as dd.mm.yyyy; anything else as stored.
std::string displayText(const db::Column& column, const db::Value& value);

// The value to store for typed text: an empty input is NULL, or "" / "0" for a column that refuses NULL;
// numbers may use either decimal separator; dates are typed dd.mm.yyyy. Nothing when the text does not
// read as a value of the column's type.
std::optional<db::Value> valueFromInput(const db::Column& column, std::string_view text);

// Characters of a text column, 0 for numbers and dates (the print's column step uses it).
unsigned fieldSize(const db::Column& column);

}  // namespace tarvo::tables
