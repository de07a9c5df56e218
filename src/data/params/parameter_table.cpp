#include "data/params/parameter_table.h"

#include "data/catalogue/identifiers.h"
#include "data/db/connection.h"
#include "data/db/dataset.h"
#include "data/db/error.h"
#include "util/utf8.h"

namespace tarvo {
namespace {

const std::string& requireQualifiedTable(const std::string& table) {
    const size_t dot = table.find('.');
    if (dot != std::string::npos) requireDatabaseName(table.substr(0, dot));
    requireTableName(dot == std::string::npos ? table : table.substr(dot + 1));
    return table;
}

}  // namespace

ParameterTable::ParameterTable(db::Connection& connection, std::string table, std::string keyColumn,
                               std::string valueColumn, size_t keyWidth)
    : connection_(&connection), table_(std::move(table)), keyColumn_(std::move(keyColumn)),
      valueColumn_(std::move(valueColumn)), keyWidth_(keyWidth) {
    requireQualifiedTable(table_);
    requireTableName(keyColumn_);
    requireTableName(valueColumn_);
}

void ParameterTable::load() {
    db::ResultSet result = connection_->query("select " + keyColumn_ + "," + valueColumn_ + " from " + table_);
    rows_.clear();
    for (const db::Row& row : result.rows()) rows_.emplace_back(row[0].asString(), row[1].asString());
    loaded_ = true;
}

bool ParameterTable::fits(std::string_view key) const { return !key.empty() && utf8Length(key) <= keyWidth_; }

void ParameterTable::ensureLoaded() {
    if (!loaded_) load();
}

const std::vector<std::pair<std::string, std::string>>& ParameterTable::rows() {
    ensureLoaded();
    return rows_;
}

std::optional<size_t> ParameterTable::find(std::string_view key) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (db::sameText(rows_[i].first, key)) return i;
    return std::nullopt;
}

void ParameterTable::remember(std::string_view key, std::string value) {
    if (auto index = find(key)) rows_[*index].second = std::move(value);
    else rows_.emplace_back(std::string(key), std::move(value));
}

std::optional<std::string> ParameterTable::readStored(std::string_view key) {
    db::ResultSet result =
        connection_->query("select " + valueColumn_ + " from " + table_ + " where " + keyColumn_ + "=" + sqlQuoted(key));
    if (result.empty()) return std::nullopt;
    return result.at(0, 0).asString();
}

std::string ParameterTable::getParam(std::string_view key) {
    ensureLoaded();
    auto index = find(key);
    return index ? rows_[*index].second : std::string();
}

std::string ParameterTable::sgetParam(std::string_view key, std::string_view defaultValue) {
    ensureLoaded();
    if (auto index = find(key)) return rows_[*index].second;
    if (!fits(key)) return std::string(defaultValue);
    try {
        connection_->execute("insert into " + table_ + "(" + keyColumn_ + "," + valueColumn_ + ") values(" +
                             sqlQuoted(key) + "," + sqlQuoted(defaultValue) + ")");
        remember(key, std::string(defaultValue));
        return std::string(defaultValue);
    } catch (const db::DbError&) {
        // Most likely another program wrote the key since the table was read: its value counts.
    }
    try {
        if (auto stored = readStored(key)) {
            remember(key, *stored);
            return *stored;
        }
    } catch (const db::DbError&) {
        // The table cannot be read at all; the caller still gets its default.
    }
    return std::string(defaultValue);
}

bool ParameterTable::setParam(std::string_view key, std::string_view value) {
    if (!fits(key)) return false;
    try {
        ensureLoaded();
        connection_->execute("insert into " + table_ + "(" + keyColumn_ + "," + valueColumn_ + ") values(" +
                             sqlQuoted(key) + "," + sqlQuoted(value) + ") on duplicate key update " + valueColumn_ + "=" +
                             sqlQuoted(value));
        remember(key, std::string(value));
        return true;
    } catch (const db::DbError&) {
        return false;
    }
}

ParameterTable localParameters(db::Connection& connection, const std::string& prDatabase) {
    return ParameterTable(connection, requireDatabaseName(prDatabase) + ".parametar");
}

ParameterTable rbParameters(db::Connection& connection, const CatalogueNames& names) {
    return ParameterTable(connection, requireDatabaseName(names.ex) + ".rb", "id", "vr", 20);
}

}  // namespace tarvo
