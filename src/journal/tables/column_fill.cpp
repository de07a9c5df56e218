#include "journal/tables/column_fill.h"

#include <stdexcept>

#include "data/db/bulk_loader.h"
#include "data/db/connection.h"
#include "data/db/dataset.h"
#include "data/db/error.h"
#include "journal/tables/field_text.h"
#include "util/user_prompt.h"

namespace tarvo::tables {
namespace {

// The server reports this many decimals for a floating-point column declared without them.
constexpr unsigned kNotFixedDecimals = 31;

const db::Column* realColumn(const db::Dataset& dataset, std::string_view name) {
    for (const db::Column& column : dataset.columns())
        if (db::sameName(column.name, name)) return &column;
    return nullptr;
}

ColumnFillReplace::Kind kindOf(const db::Column& column) {
    switch (column.type) {
        case db::TypeClass::Integer: return ColumnFillReplace::Kind::Integer;
        case db::TypeClass::Float: return ColumnFillReplace::Kind::Float;
        case db::TypeClass::Date: return ColumnFillReplace::Kind::Date;
        case db::TypeClass::DateTime:
        case db::TypeClass::Text: break;
    }
    return ColumnFillReplace::Kind::Text;
}

}  // namespace

bool ColumnFillReplace::isChangeableColumn(const db::Dataset& dataset, std::string_view column) {
    return realColumn(dataset, column) != nullptr && !dataset.tableName().empty();
}

ColumnFillReplace::ColumnFillReplace(db::Connection& connection, db::Dataset& dataset, std::string column,
                                     UserPrompt& prompt)
    : connection_(connection), dataset_(dataset), column_(std::move(column)), prompt_(prompt) {
    const db::Column* meta = realColumn(dataset_, column_);
    if (!meta || dataset_.tableName().empty()) throw std::invalid_argument("Kolona se ne može mijenjati: " + column_);
    meta_ = *meta;
    kind_ = kindOf(meta_);
    keyColumn_ = meta_.primaryKey || db::sameName(column_, "id");
}

std::string_view ColumnFillReplace::groupCaption() const {
    switch (kind_) {
        case Kind::Integer: return "CIJELI BROJ";
        case Kind::Float: return "DECIMALNI BROJ";
        case Kind::Date: return "DATUM";
        case Kind::Text: break;
    }
    return "TEKST";
}

void ColumnFillReplace::FormActivate(Date today) {
    const db::Value value = dataset_.isOpen() && !dataset_.eof() ? dataset_.field(column_) : db::Value::null();
    find_ = displayText(meta_, value);
    findIsNull_ = value.isNull() || (kind_ == Kind::Date && find_.empty());
    if (!findIsNull_) {
        replace_ = find_;
        return;
    }
    find_.clear();
    switch (kind_) {
        case Kind::Integer:
        case Kind::Float: replace_ = "0"; break;
        case Kind::Date: replace_ = formatDate(today); break;
        case Kind::Text: replace_.clear(); break;
    }
}

std::string ColumnFillReplace::findLabel() const { return findIsNull_ ? "traži NULL vrijednost" : "traži"; }

std::string ColumnFillReplace::replaceLabel() const { return mode_ == Mode::Fill ? "popuni sa" : "zamijeni sa"; }

std::string ColumnFillReplace::literal(const db::Value& value) const {
    std::string out;
    db::appendLiteral(out, connection_, value);
    return out;
}

std::optional<unsigned long long> ColumnFillReplace::izvrsiPromjenu() {
    auto refuse = [this](const std::string& text) {
        prompt_.message("Neispravna vrijednost \"" + text + "\" za kolonu " + column_ + "!");
        return std::nullopt;
    };
    if (mode_ == Mode::Fill && !fillAllowed()) {
        prompt_.message("Ključnu kolonu \"" + column_ + "\" nije moguće popuniti istom vrijednošću u svim slogovima!");
        return std::nullopt;
    }
    const std::optional<db::Value> replacement = valueFromInput(meta_, replace_);
    if (!replacement) return refuse(replace_);
    const std::string name = db::quoteIdentifier(column_);
    std::string sql = "update " + db::quoteQualified(dataset_.tableName()) + " set " + name + "=" + literal(*replacement);
    if (mode_ == Mode::Replace) {
        const std::optional<db::Value> found =
            findIsNull_ ? std::optional<db::Value>(db::Value::null()) : valueFromInput(meta_, find_);
        if (!found) return refuse(find_);
        if (found->isNull()) {
            sql += " where " + name + " is null";
        } else if (kind_ == Kind::Float && meta_.decimals < kNotFixedDecimals) {
            // Stored doubles are compared at the column's own decimals.
            const std::string decimals = std::to_string(meta_.decimals);
            sql += " where round(" + name + "," + decimals + ")=round(" + literal(*found) + "," + decimals + ")";
        } else {
            sql += " where " + name + "=" + literal(*found);
        }
    }
    unsigned long long changed = 0;
    try {
        changed = connection_.execute(sql);
        dataset_.refresh();
    } catch (const db::DbError& error) {
        prompt_.message(error.what());
        return std::nullopt;
    }
    return changed;
}

}  // namespace tarvo::tables
