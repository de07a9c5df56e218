#include "data/db/result_set.h"

#include <cctype>

#include "data/db/error.h"

namespace tarvo::db {

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

ResultSet::ResultSet(std::vector<Column> columns, std::vector<Row> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {}

std::optional<size_t> ResultSet::columnIndex(std::string_view name) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (sameName(columns_[i].name, name)) return i;
    return std::nullopt;
}

size_t ResultSet::requireColumn(std::string_view name) const {
    if (auto index = columnIndex(name)) return *index;
    throw DbError("Nepoznata kolona: " + std::string(name));
}

Value ResultSet::scalar() const {
    if (rows_.empty() || rows_.front().empty()) return Value::null();
    return rows_.front().front();
}

}  // namespace tarvo::db
