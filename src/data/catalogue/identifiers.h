#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvo {

namespace db {
class Connection;
}

// The longest database name the catalogue can hold (`baza.naziv`).
inline constexpr std::size_t kMaxCataloguedNameLength = 20;

// Database and table names the family creates: lower-case letters, digits and "_", 1 to 64 characters.
// Names typed by a user or read from the catalogue are checked against this before they reach SQL.
bool isValidDatabaseName(std::string_view name);
bool isValidTableName(std::string_view name);
// A name the catalogue can register: valid and at most 20 characters.
bool isValidCataloguedName(std::string_view name);

// Throw std::invalid_argument with a message for the user when the name is not valid.
const std::string& requireDatabaseName(const std::string& name);
const std::string& requireTableName(const std::string& name);

// The text escaped and in double quotes: a literal for SQL text.
std::string sqlQuoted(std::string_view value);

bool databaseExists(db::Connection& connection, const std::string& name);

}  // namespace tarvo
