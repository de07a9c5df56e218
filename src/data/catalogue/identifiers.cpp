#include "data/catalogue/identifiers.h"

#include <algorithm>
#include <stdexcept>

#include "data/db/connection.h"
#include "util/sqltext.h"

namespace tarvo {
namespace {

bool isNameChar(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'; }

bool isPlainName(std::string_view name, std::size_t maxLength) {
    return !name.empty() && name.size() <= maxLength && std::all_of(name.begin(), name.end(), isNameChar);
}

}  // namespace

bool isValidDatabaseName(std::string_view name) { return isPlainName(name, 64); }
bool isValidTableName(std::string_view name) { return isPlainName(name, 64); }
bool isValidCataloguedName(std::string_view name) { return isPlainName(name, kMaxCataloguedNameLength); }

const std::string& requireDatabaseName(const std::string& name) {
    if (!isValidDatabaseName(name)) throw std::invalid_argument("Neispravan naziv baze podataka: \"" + name + "\"");
    return name;
}

const std::string& requireTableName(const std::string& name) {
    if (!isValidTableName(name)) throw std::invalid_argument("Neispravan naziv tabele: \"" + name + "\"");
    return name;
}

std::string sqlQuoted(std::string_view value) { return "\"" + escapeSqlString(value) + "\""; }

bool databaseExists(db::Connection& connection, const std::string& name) {
    return !connection.query("select schema_name from information_schema.schemata where schema_name=" + sqlQuoted(name))
                .empty();
}

}  // namespace tarvo
