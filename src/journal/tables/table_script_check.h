#pragma once
// A table file may only rebuild the one table it is loaded for: the statements of a dump (session
// settings, drop, create, insert, lock and key switches) naming that table and no other.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::tables {

// The reason the statements may not be run for `table`, or nothing when they may.
std::optional<std::string> refusalForTableScript(const std::vector<std::string>& statements, std::string_view table);

}  // namespace tarvo::tables
