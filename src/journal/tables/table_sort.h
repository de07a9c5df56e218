#pragma once
// Sorting a table window by its grid's column titles.
#include <string>
#include <string_view>

namespace tarvo::tables {

// The ordering after a click on `column`'s title: the column alone, or appended to the current ordering
// with ";" when Shift was held and an ordering exists.
std::string orderingAfterClick(std::string_view current, std::string_view column, bool addToSort);

// "Tabela sortirana po kolonama: \"naziv;id\""
std::string sortStatusText(std::string_view ordering);

}  // namespace tarvo::tables
