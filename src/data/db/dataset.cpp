#include "data/db/dataset.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "data/db/bulk_loader.h"
#include "data/db/connection.h"
#include "data/db/error.h"
#include "util/utf8.h"

namespace tarvo::db {
namespace {

std::string_view withoutTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

int compareValues(const Value& a, const Value& b, bool numeric) {
    if (a.isNull() || b.isNull()) return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    if (numeric) {
        double x = a.asDouble(), y = b.asDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    std::string x = utf8Lower(withoutTrailingSpaces(a.asString()));
    std::string y = utf8Lower(withoutTrailingSpaces(b.asString()));
    return x.compare(y);
}

}  // namespace

bool sameText(std::string_view a, std::string_view b) {
    return utf8Lower(withoutTrailingSpaces(a)) == utf8Lower(withoutTrailingSpaces(b));
}

Dataset::Dataset(Connection& connection, std::string sql, std::string table)
    : connection_(&connection), sql_(std::move(sql)), table_(std::move(table)) {}

Dataset Dataset::table(Connection& connection, std::string table) {
    std::string sql = "select * from " + quoteQualified(table);
    return Dataset(connection, std::move(sql), std::move(table));
}

Dataset Dataset::query(Connection& connection, std::string sql, std::string table) {
    return Dataset(connection, std::move(sql), std::move(table));
}

void Dataset::setSql(std::string sql) {
    sql_ = std::move(sql);
    if (isOpen()) refresh();
}

void Dataset::open() {
    result_ = connection_->query(sql_);
    state_ = State::Browse;
    visible_.clear();
    sortColumns_ = resolveSortColumns(indexFields_);
    rebuildVisible();
    first();
}

void Dataset::close() {
    result_ = ResultSet();
    visible_.clear();
    state_ = State::Closed;
}

void Dataset::refresh() {
    std::optional<Value> id = currentId();
    size_t oldPosition = position_;
    open();
    if (id) {
        if (auto row = findRowById(*id)) {
            placeOnRow(*row);
            return;
        }
    }
    moveTo(std::min(oldPosition, visible_.empty() ? 0 : visible_.size() - 1));
}

bool Dataset::hasField(std::string_view name) const {
    return result_.columnIndex(name).has_value() || lookups_.count(name);
}

size_t Dataset::requireColumn(std::string_view name) const {
    if (auto index = result_.columnIndex(name)) return *index;
    throw DbError("Nepoznata kolona: " + std::string(name), sql_);
}

std::vector<size_t> Dataset::resolveSortColumns(std::string_view fields) const {
    std::vector<size_t> columns;
    size_t start = 0;
    while (start <= fields.size()) {
        size_t end = fields.find(';', start);
        if (end == std::string_view::npos) end = fields.size();
        std::string_view name = fields.substr(start, end - start);
        while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        if (!name.empty()) columns.push_back(requireColumn(name));
        start = end + 1;
    }
    return columns;
}

void Dataset::setIndexFields(std::string_view fields) {
    if (!isOpen()) {
        indexFields_ = std::string(fields);
        return;
    }
    std::vector<size_t> columns = resolveSortColumns(fields);
    std::optional<Value> id = currentId();
    indexFields_ = std::string(fields);
    sortColumns_ = std::move(columns);
    rebuildVisible();
    if (id) {
        if (auto row = findRowById(*id)) return placeOnRow(*row);
    }
    first();
}

void Dataset::setFilter(Filter filter) {
    filter_ = std::move(filter);
    if (isOpen()) {
        rebuildVisible();
        first();
    }
}

void Dataset::rebuildVisible() {
    const auto& rows = result_.rows();
    visible_.clear();
    visible_.reserve(rows.size());
    if (filter_) {
        // The filter reads the row through the cursor, so walk it over every row.
        State saved = state_;
        state_ = State::Browse;
        std::vector<size_t> all(rows.size());
        for (size_t i = 0; i < rows.size(); ++i) all[i] = i;
        visible_.swap(all);
        for (size_t i = 0; i < visible_.size(); ++i) {
            position_ = i;
            if (filter_(*this)) all.push_back(visible_[i]);
        }
        visible_.swap(all);
        state_ = saved;
    } else {
        for (size_t i = 0; i < rows.size(); ++i) visible_.push_back(i);
    }
    if (!sortColumns_.empty()) sortVisible();
}

// Sort keys are read once per row, not once per comparison.
void Dataset::sortVisible() {
    const auto& rows = result_.rows();
    const auto& columns = result_.columns();
    struct Key {
        bool numeric;
        std::vector<double> numbers;
        std::vector<std::string> texts;
        std::vector<char> nulls;
    };
    std::vector<Key> keys;
    for (size_t column : sortColumns_) {
        Key key{columns[column].isNumeric(), {}, {}, std::vector<char>(rows.size())};
        if (key.numeric) key.numbers.resize(rows.size());
        else key.texts.resize(rows.size());
        for (size_t row : visible_) {
            const Value& value = rows[row][column];
            key.nulls[row] = value.isNull();
            if (key.numeric) key.numbers[row] = value.asDouble();
            else key.texts[row] = utf8Lower(withoutTrailingSpaces(value.asString()));
        }
        keys.push_back(std::move(key));
    }
    std::stable_sort(visible_.begin(), visible_.end(), [&](size_t a, size_t b) {
        for (const Key& key : keys) {
            if (key.nulls[a] != key.nulls[b]) return key.nulls[a] > key.nulls[b];
            if (key.numeric) {
                if (key.numbers[a] != key.numbers[b]) return key.numbers[a] < key.numbers[b];
            } else if (int c = key.texts[a].compare(key.texts[b]); c != 0) {
                return c < 0;
            }
        }
        return false;
    });
}

void Dataset::first() {
    position_ = 0;
    bof_ = true;
}

void Dataset::next() {
    if (position_ < visible_.size()) ++position_;
    bof_ = false;
}

void Dataset::prior() {
    if (position_ == 0) {
        bof_ = true;
    } else {
        --position_;
        bof_ = false;
    }
}

void Dataset::last() {
    position_ = visible_.empty() ? 0 : visible_.size() - 1;
    bof_ = visible_.empty();
}

void Dataset::moveTo(size_t position) {
    position_ = std::min(position, visible_.size());
    bof_ = position_ == 0;
}

void Dataset::placeOnRow(size_t rowIndex) {
    auto it = std::find(visible_.begin(), visible_.end(), rowIndex);
    moveTo(it == visible_.end() ? 0 : static_cast<size_t>(it - visible_.begin()));
}

bool Dataset::locate(std::string_view name, std::string_view value) {
    size_t column = requireColumn(name);
    const bool numeric = result_.columns()[column].isNumeric();
    for (size_t i = 0; i < visible_.size(); ++i) {
        const Value& cell = result_.rows()[visible_[i]][column];
        bool match = numeric ? (!cell.isNull() && !value.empty() &&
                                cell.asDouble() == std::strtod(std::string(value).c_str(), nullptr))
                             : sameText(cell.asString(), value);
        if (match) {
            moveTo(i);
            return true;
        }
    }
    return false;
}

const Row& Dataset::currentRow() const {
    if (state_ == State::Insert || state_ == State::Edit) return buffer_;
    if (state_ == State::Closed) throw DbError("Skup podataka nije otvoren", sql_);
    if (eof()) throw DbError("Nema tekućeg sloga", sql_);
    return result_.rows()[visible_[position_]];
}

Value Dataset::field(std::string_view name) const { return valueOf(currentRow(), name); }

Value Dataset::valueAt(size_t position, std::string_view name) const {
    return valueOf(result_.rows().at(visible_.at(position)), name);
}

Value Dataset::valueOf(const Row& row, std::string_view name) const {
    if (auto column = result_.columnIndex(name)) return row[*column];
    auto lookup = lookups_.find(name);
    if (lookup == lookups_.end()) throw DbError("Nepoznata kolona: " + std::string(name), sql_);
    const Lookup& l = lookup->second;
    const Value key = valueOf(row, l.keyField);
    const Dataset& source = *l.source;
    if (!source.isOpen()) return Value::null();
    size_t keyColumn = source.requireColumn(l.sourceKey);
    size_t resultColumn = source.requireColumn(l.resultField);
    const bool numeric = source.columns()[keyColumn].isNumeric();
    for (const auto& candidate : source.result_.rows()) {
        if (compareValues(candidate[keyColumn], key, numeric) == 0) return candidate[resultColumn];
    }
    return Value::null();
}

void Dataset::addLookupField(std::string name, std::string keyField, const Dataset& lookup, std::string lookupKey,
                             std::string resultField) {
    lookups_[std::move(name)] = Lookup{std::move(keyField), &lookup, std::move(lookupKey), std::move(resultField)};
}

std::string Dataset::requireTable() const {
    if (table_.empty()) throw DbError("Skup podataka se ne može mijenjati", sql_);
    return table_;
}

void Dataset::insert() {
    requireTable();
    if (state_ == State::Closed) throw DbError("Skup podataka nije otvoren", sql_);
    buffer_.assign(result_.columns().size(), Value::null());
    changed_.assign(buffer_.size(), false);
    state_ = State::Insert;
}

void Dataset::edit() {
    requireTable();
    if (state_ == State::Insert || state_ == State::Edit) return;
    buffer_ = currentRow();
    changed_.assign(buffer_.size(), false);
    state_ = State::Edit;
}

void Dataset::setField(std::string_view name, Value value) {
    if (state_ != State::Insert && state_ != State::Edit) throw DbError("Slog nije u izmjeni", sql_);
    size_t column = requireColumn(name);
    buffer_[column] = std::move(value);
    changed_[column] = true;
}

std::optional<Value> Dataset::currentId() const {
    if (!isOpen() || eof() || !result_.columnIndex("id")) return std::nullopt;
    return result_.rows()[visible_[position_]][*result_.columnIndex("id")];
}

std::string Dataset::idCondition(const Value& id) const {
    const size_t column = requireColumn("id");
    if (result_.columns()[column].isNumeric()) return " where id = " + std::to_string(id.asInt());
    std::string condition = " where id = ";
    appendLiteral(condition, *connection_, id);
    return condition;
}

std::optional<size_t> Dataset::findRowById(const Value& id) const {
    auto column = result_.columnIndex("id");
    if (!column) return std::nullopt;
    const bool numeric = result_.columns()[*column].isNumeric();
    const auto& rows = result_.rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const Value& cell = rows[i][*column];
        if (numeric ? cell.asInt() == id.asInt() : compareValues(cell, id, false) == 0) return i;
    }
    return std::nullopt;
}

void Dataset::reloadRow(size_t rowIndex, const Value& id) {
    ResultSet fresh = connection_->query("select * from " + quoteQualified(table_) + idCondition(id));
    if (fresh.empty()) return;
    // The table's columns may be ordered differently from the query's: copy by name.
    Row& row = result_.rows()[rowIndex];
    for (size_t i = 0; i < result_.columns().size(); ++i)
        if (auto source = fresh.columnIndex(result_.columns()[i].name)) row[i] = fresh.rows()[0][*source];
}

void Dataset::post() {
    if (state_ != State::Insert && state_ != State::Edit) return;
    const std::string table = quoteQualified(requireTable());
    const auto& columns = result_.columns();
    if (state_ == State::Insert) {
        std::string names, values;
        for (size_t i = 0; i < columns.size(); ++i) {
            if (!changed_[i]) continue;
            if (!names.empty()) {
                names += ',';
                values += ',';
            }
            names += quoteIdentifier(columns[i].name);
            appendLiteral(values, *connection_, buffer_[i]);
        }
        std::string sql = names.empty() ? "insert into " + table + " () values ()"
                                        : "insert into " + table + " (" + names + ") values (" + values + ")";
        connection_->execute(sql);
        auto idColumn = result_.columnIndex("id");
        Value id(std::to_string(connection_->lastInsertId()));
        if (idColumn && changed_[*idColumn]) id = buffer_[*idColumn];
        result_.rows().push_back(buffer_);
        size_t rowIndex = result_.rows().size() - 1;
        if (idColumn) {
            result_.rows()[rowIndex][*idColumn] = id;
            reloadRow(rowIndex, id);
        }
        state_ = State::Browse;
        rebuildVisible();
        placeOnRow(rowIndex);
        return;
    }
    const size_t idColumn = requireColumn("id");
    const Row& original = result_.rows()[visible_[position_]];
    std::string assignments;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (!changed_[i]) continue;
        if (!assignments.empty()) assignments += ',';
        assignments += quoteIdentifier(columns[i].name) + "=";
        appendLiteral(assignments, *connection_, buffer_[i]);
    }
    if (!assignments.empty())
        connection_->execute("update " + table + " set " + assignments + idCondition(original[idColumn]));
    size_t rowIndex = visible_[position_];
    result_.rows()[rowIndex] = buffer_;
    state_ = State::Browse;
    rebuildVisible();
    placeOnRow(rowIndex);
}

void Dataset::cancel() {
    if (state_ == State::Insert || state_ == State::Edit) state_ = State::Browse;
}

void Dataset::remove() {
    const std::string table = quoteQualified(requireTable());
    if (state_ != State::Browse) cancel();
    const size_t idColumn = requireColumn("id");
    size_t rowIndex = visible_.at(position_);
    connection_->execute("delete from " + table + idCondition(result_.rows()[rowIndex][idColumn]));
    result_.rows().erase(result_.rows().begin() + static_cast<long>(rowIndex));
    size_t keep = position_;
    rebuildVisible();
    moveTo(std::min(keep, visible_.empty() ? 0 : visible_.size() - 1));
}

}  // namespace tarvo::db
