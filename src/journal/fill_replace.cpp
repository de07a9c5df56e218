#include "journal/fill_replace.h"

#include <algorithm>
#include <stdexcept>

#include "data/db/bulk_loader.h"
#include "data/db/connection.h"
#include "data/db/dataset.h"
#include "data/db/error.h"
#include "journal/field_values.h"
#include "util/amounts.h"
#include "util/numbers.h"
#include "util/sqltext.h"
#include "util/user_prompt.h"

namespace tarvo {
namespace {

// The server reports this many decimals for a floating-point column declared without them.
constexpr unsigned kNotFixedDecimals = 31;

const db::Column* realColumn(const db::Dataset& rows, std::string_view name) {
    for (const db::Column& column : rows.columns())
        if (db::sameName(column.name, name)) return &column;
    return nullptr;
}

TFFillAndReplace::Kind kindOf(const db::Column& column) {
    switch (column.type) {
        case db::TypeClass::Integer: return TFFillAndReplace::Kind::Integer;
        case db::TypeClass::Float: return TFFillAndReplace::Kind::Float;
        case db::TypeClass::Date:
        case db::TypeClass::DateTime: return TFFillAndReplace::Kind::Date;
        case db::TypeClass::Text: break;
    }
    return TFFillAndReplace::Kind::Text;
}

}  // namespace

bool TFFillAndReplace::isChangeableColumn(const db::Dataset& rows, std::string_view column,
                                          const FillReplaceScope& scope) {
    const auto refused = [column](const std::string& name) { return db::sameName(name, column); };
    return realColumn(rows, column) && !scope.table.empty() &&
           std::none_of(scope.refusedColumns.begin(), scope.refusedColumns.end(), refused);
}

TFFillAndReplace::TFFillAndReplace(db::Connection& connection, db::Dataset& rows, std::string column,
                                   FillReplaceScope scope, UserPrompt& prompt, std::function<void()> afterChange)
    : connection_(connection),
      rows_(rows),
      column_(std::move(column)),
      scope_(std::move(scope)),
      prompt_(prompt),
      afterChange_(std::move(afterChange)) {
    if (!isChangeableColumn(rows_, column_, scope_))
        throw std::invalid_argument("Kolona se ne može mijenjati: " + column_);
    meta_ = *realColumn(rows_, column_);
    kind_ = kindOf(meta_);
    keyColumn_ = meta_.primaryKey || db::sameName(column_, "id");
}

void TFFillAndReplace::ukljuciPosebniUslov(std::string column, std::string value) {
    if (!realColumn(rows_, column)) throw std::invalid_argument("Nepoznata kolona: " + column);
    conditionVisible_ = true;
    conditionColumn_ = std::move(column);
    conditionValue_ = std::move(value);
}

std::string_view TFFillAndReplace::groupCaption() const {
    switch (kind_) {
        case Kind::Integer: return "CIJELI BROJ";
        case Kind::Float: return "DECIMALNI BROJ";
        case Kind::Date: return "DATUM";
        case Kind::Text: break;
    }
    return "TEKST";
}

void TFFillAndReplace::FormActivate(Date today) {
    const db::Value value = rows_.isOpen() && !rows_.eof() ? rows_.field(column_) : db::Value::null();
    std::optional<Date> date = kind_ == Kind::Date ? dateOf(value) : std::nullopt;
    findIsNull_ = value.isNull() || (kind_ == Kind::Date && !date);
    if (findIsNull_) {
        find_.clear();
        switch (kind_) {
            case Kind::Integer:
            case Kind::Float: replace_ = "0"; break;
            case Kind::Date: replace_ = formatDate(today); break;
            case Kind::Text: replace_.clear(); break;
        }
        return;
    }
    switch (kind_) {
        case Kind::Float: find_ = generalNumberText(value.asDouble(), decimals()); break;
        case Kind::Date: find_ = formatDate(*date); break;
        case Kind::Integer:
        case Kind::Text: find_ = value.asString(); break;
    }
    replace_ = find_;
}

std::string TFFillAndReplace::findLabel() const { return findIsNull_ ? "traži NULL vrijednost" : "traži"; }

std::string TFFillAndReplace::replaceLabel() const { return mode_ == Mode::Fill ? "popuni sa" : "zamijeni sa"; }

std::optional<std::string> TFFillAndReplace::literal(const std::string& text) const {
    switch (kind_) {
        case Kind::Integer:
            if (auto number = parseWholeNumber(text)) return std::to_string(*number);
            return std::nullopt;
        case Kind::Float:
            if (auto amount = tryParseAmount(text, true)) return roundedDecimalText(*amount, decimals());
            return std::nullopt;
        case Kind::Date:
            if (auto date = parseDate(text)) return "\"" + formatIsoDate(*date) + "\"";
            return std::nullopt;
        case Kind::Text: break;
    }
    return "\"" + escapeSqlString(text) + "\"";
}

// Stored doubles are shown and compared at the column's own decimals; without them, at whole cents.
int TFFillAndReplace::decimals() const {
    return meta_.decimals < kNotFixedDecimals ? static_cast<int>(meta_.decimals) : 2;
}

std::string TFFillAndReplace::comparedColumn() const {
    const std::string column = db::quoteIdentifier(column_);
    return kind_ == Kind::Float ? "round(" + column + "," + std::to_string(decimals()) + ")" : column;
}

std::optional<unsigned long long> TFFillAndReplace::izvrsiPromjenu() {
    auto refuse = [this](const std::string& text) {
        prompt_.message("Neispravna vrijednost \"" + text + "\" za kolonu " + column_ + "!");
        return std::nullopt;
    };
    if (mode_ == Mode::Fill && !fillAllowed()) {
        prompt_.message("Ključnu kolonu \"" + column_ + "\" nije moguće popuniti istom vrijednošću u svim slogovima!");
        return std::nullopt;
    }
    const std::optional<std::string> replacement = literal(replace_);
    if (!replacement) return refuse(replace_);
    std::vector<std::string> conditions;
    if (!scope_.condition.empty()) conditions.push_back(scope_.condition);
    if (conditionVisible_ && !conditionValue_.empty())
        conditions.push_back(db::quoteIdentifier(conditionColumn_) + "=\"" + escapeSqlString(conditionValue_) + "\"");
    if (mode_ == Mode::Replace) {
        if (findIsNull_) {
            conditions.push_back(db::quoteIdentifier(column_) + " is null");
        } else {
            const std::optional<std::string> found = literal(find_);
            if (!found) return refuse(find_);
            conditions.push_back(comparedColumn() + "=" + *found);
        }
    }
    std::string sql = "update " + db::quoteQualified(scope_.table) + " set " + db::quoteIdentifier(column_) + "=" +
                      *replacement;
    for (size_t i = 0; i < conditions.size(); ++i) sql += (i == 0 ? " where " : " and ") + conditions[i];
    unsigned long long changed = 0;
    try {
        changed = connection_.execute(sql);
        rows_.refresh();
    } catch (const db::DbError& error) {
        prompt_.message(error.what());
        return std::nullopt;
    }
    if (afterChange_) afterChange_();
    return changed;
}

}  // namespace tarvo
