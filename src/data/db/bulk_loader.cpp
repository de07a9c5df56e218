#include "data/db/bulk_loader.h"

#include "data/db/connection.h"
#include "data/db/error.h"

namespace tarvo::db {

std::string quoteIdentifier(std::string_view name) {
    std::string out = "`";
    for (char c : name) {
        if (c == '`') out += '`';
        out += c;
    }
    out += '`';
    return out;
}

std::string quoteQualified(std::string_view name) {
    size_t dot = name.find('.');
    if (dot == std::string_view::npos) return quoteIdentifier(name);
    return quoteIdentifier(name.substr(0, dot)) + "." + quoteIdentifier(name.substr(dot + 1));
}

void appendLiteral(std::string& out, const Connection& connection, const Value& value) {
    if (value.isNull()) {
        out += "NULL";
        return;
    }
    out += '\'';
    out += connection.escape(value.asString());
    out += '\'';
}

BulkLoader::BulkLoader(Connection& connection, std::string table, std::vector<std::string> columns,
                       size_t batchBytes)
    : connection_(connection), columnCount_(columns.size()), batchBytes_(batchBytes) {
    head_ = "insert into " + quoteQualified(table) + " (";
    for (size_t i = 0; i < columns.size(); ++i) {
        if (i) head_ += ',';
        head_ += quoteIdentifier(columns[i]);
    }
    head_ += ") values ";
}

void BulkLoader::add(const std::vector<Value>& row) {
    if (row.size() != columnCount_) throw DbError("Broj vrijednosti ne odgovara broju kolona");
    statement_ += pending_ ? ",(" : "(";
    if (!pending_) statement_.insert(0, head_);
    for (size_t i = 0; i < row.size(); ++i) {
        if (i) statement_ += ',';
        appendLiteral(statement_, connection_, row[i]);
    }
    statement_ += ')';
    ++pending_;
    if (statement_.size() >= batchBytes_) flush();
}

void BulkLoader::flush() {
    if (!pending_) return;
    connection_.execute(statement_);
    loaded_ += pending_;
    pending_ = 0;
    statement_.clear();
}

}  // namespace tarvo::db
