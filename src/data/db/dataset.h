#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/db/result_set.h"

namespace tarvo::db {

class Connection;

// A fetch-all table or query with a cursor, the way the windows and routines walk their data: optional
// sort by an index field list ("nalogid;rbr;id"), a client-side filter, lookup fields from another
// dataset, and editing that writes SQL by the primary key `id`.
class Dataset {
public:
    enum class State { Closed, Browse, Insert, Edit };
    using Filter = std::function<bool(const Dataset&)>;

    // Reads "select * from <table>" (optionally with a where/order suffix) and writes back to the table.
    static Dataset table(Connection& connection, std::string table);
    // Reads an arbitrary query; it is editable only when `table` names the table its rows come from.
    static Dataset query(Connection& connection, std::string sql, std::string table = {});

    void open();
    void close();
    // Reads the rows again and stays on the row with the same id when it is still there.
    void refresh();
    bool isOpen() const { return state_ != State::Closed; }
    State state() const { return state_; }
    const std::string& tableName() const { return table_; }
    const std::string& sql() const { return sql_; }
    void setSql(std::string sql);

    // Sorting by a ";"-separated list of columns; throws DbError naming an unknown column.
    void setIndexFields(std::string_view fields);
    const std::string& indexFields() const { return indexFields_; }
    void setFilter(Filter filter);
    void clearFilter() { setFilter({}); }

    const std::vector<Column>& columns() const { return result_.columns(); }
    bool hasField(std::string_view name) const;
    size_t recordCount() const { return visible_.size(); }
    bool isEmpty() const { return visible_.empty(); }
    // Position among the visible rows, 0-based; recordCount() when past the end.
    size_t position() const { return position_; }
    bool eof() const { return position_ >= visible_.size(); }
    bool bof() const { return bof_; }
    void first();
    void next();
    void prior();
    void last();
    void moveTo(size_t position);
    // Finds the first visible row whose column equals the value, compared the way the server compares
    // text (case-insensitive, trailing spaces ignored). Stays put and returns false when there is none.
    bool locate(std::string_view field, std::string_view value);

    // Values of the current row (or of the row being inserted or edited). Lookup fields read here too.
    Value field(std::string_view name) const;
    std::string asString(std::string_view name) const { return field(name).asString(); }
    long long asInt(std::string_view name) const { return field(name).asInt(); }
    double asDouble(std::string_view name) const { return field(name).asDouble(); }
    // The value of a column or lookup field in a visible row, without moving the cursor.
    Value valueAt(size_t position, std::string_view name) const;

    // A read-only column `name` whose value is `resultField` of the row of `lookup` whose `lookupKey`
    // equals this row's `keyField`.
    void addLookupField(std::string name, std::string keyField, const Dataset& lookup, std::string lookupKey,
                        std::string resultField);

    void insert();
    void edit();
    void setField(std::string_view name, Value value);
    // Writes the insert or the changed columns of the edit; on failure the edit stays open and DbError is thrown.
    void post();
    void cancel();
    void remove();

private:
    Dataset(Connection& connection, std::string sql, std::string table);
    struct Lookup {
        std::string keyField;
        const Dataset* source;
        std::string sourceKey;
        std::string resultField;
    };

    void rebuildVisible();
    void sortVisible();
    std::vector<size_t> resolveSortColumns(std::string_view fields) const;
    const Row& currentRow() const;
    // A column or lookup field of a row.
    Value valueOf(const Row& row, std::string_view name) const;
    size_t requireColumn(std::string_view name) const;
    std::string requireTable() const;
    // The current row's key, and the condition that finds a row by it: a text key (an account code, a
    // parameter name) is compared as text, never as a number.
    std::optional<Value> currentId() const;
    std::string idCondition(const Value& id) const;
    std::optional<size_t> findRowById(const Value& id) const;
    void reloadRow(size_t rowIndex, const Value& id);
    void placeOnRow(size_t rowIndex);

    Connection* connection_;
    std::string sql_;
    std::string table_;
    ResultSet result_;
    std::string indexFields_;
    std::vector<size_t> sortColumns_;
    Filter filter_;
    std::vector<size_t> visible_;  // indexes into result_.rows(), filtered and sorted
    size_t position_ = 0;
    bool bof_ = true;
    State state_ = State::Closed;
    Row buffer_;                   // the row being inserted or edited
    std::vector<bool> changed_;
    std::map<std::string, Lookup, std::less<>> lookups_;
};

// Text equality as the server's default collation sees it.
bool sameText(std::string_view a, std::string_view b);

}  // namespace tarvo::db
