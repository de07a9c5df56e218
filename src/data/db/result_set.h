#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/db/value.h"

namespace tarvo::db {

using Row = std::vector<Value>;

// A fully fetched result: column metadata and every row.
class ResultSet {
public:
    ResultSet() = default;
    ResultSet(std::vector<Column> columns, std::vector<Row> rows);

    const std::vector<Column>& columns() const { return columns_; }
    const std::vector<Row>& rows() const { return rows_; }
    std::vector<Row>& rows() { return rows_; }
    size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }

    // Index of a column by name, case-insensitive; the first of duplicate names wins.
    std::optional<size_t> columnIndex(std::string_view name) const;
    size_t requireColumn(std::string_view name) const;

    const Value& at(size_t row, size_t column) const { return rows_.at(row).at(column); }
    const Value& at(size_t row, std::string_view column) const { return rows_.at(row).at(requireColumn(column)); }

    // The first cell of the first row, or NULL when there is none.
    Value scalar() const;

private:
    std::vector<Column> columns_;
    std::vector<Row> rows_;
};

bool sameName(std::string_view a, std::string_view b);

}  // namespace tarvo::db
