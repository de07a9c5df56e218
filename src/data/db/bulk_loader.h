#pragma once
#include <string>
#include <vector>

#include "data/db/value.h"

namespace tarvo::db {

class Connection;

// Inserts many rows as batched multi-row statements of about `batchBytes` each.
class BulkLoader {
public:
    BulkLoader(Connection& connection, std::string table, std::vector<std::string> columns,
               size_t batchBytes = 1 << 20);
    ~BulkLoader() = default;
    void add(const std::vector<Value>& row);
    // Sends what is left; call it before the loader goes out of scope.
    void flush();
    size_t rowsLoaded() const { return loaded_; }

private:
    Connection& connection_;
    std::string head_;
    std::string statement_;
    size_t columnCount_;
    size_t batchBytes_;
    size_t pending_ = 0;
    size_t loaded_ = 0;
};

// Appends a value as an SQL literal: NULL, or the escaped text in single quotes.
void appendLiteral(std::string& out, const Connection& connection, const Value& value);
std::string quoteIdentifier(std::string_view name);
// "db.table" quoted part by part; a name without a dot as quoteIdentifier.
std::string quoteQualified(std::string_view name);

}  // namespace tarvo::db
