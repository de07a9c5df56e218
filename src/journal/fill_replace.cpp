#include "journal/fill_replace.h"

#include <stdexcept>

#include "data/db/bulk_loader.h"
#include "data/db/connection.h"
#include "data/db/dataset.h"
#include "data/db/error.h"
#include "journal/dataset_reload.h"
#include "journal/field_values.h"
#include "util/amounts.h"
#include "util/numbers.h"
#include "util/sqltext.h"
#include "util/user_prompt.h"

namespace tarvo {
namespace {

const db::Column* realColumn(const db::Dataset& lines, std::string_view name) {
    for (const db::Column& column : lines.columns())
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

bool TFFillAndReplace::isChangeableColumn(const db::Dataset& lines, std::string_view column) {
    return realColumn(lines, column) && !db::sameName(column, "id") && !db::sameName(column, "nalogid");
}

TFFillAndReplace::TFFillAndReplace(db::Connection& connection, std::string table, db::Dataset& lines,
                                   long long nalogid, std::string column, UserPrompt& prompt,
                                   std::function<void()> afterChange)
    : connection_(connection),
      table_(std::move(table)),
      lines_(lines),
      nalogid_(nalogid),
      column_(std::move(column)),
      prompt_(prompt),
      afterChange_(std::move(afterChange)) {
    if (!isChangeableColumn(lines_, column_)) throw std::invalid_argument("Kolona se ne može mijenjati: " + column_);
    kind_ = kindOf(*realColumn(lines_, column_));
}

void TFFillAndReplace::ukljuciPosebniUslov(std::string column, std::string value) {
    if (!realColumn(lines_, column)) throw std::invalid_argument("Nepoznata kolona: " + column);
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
    const db::Value value = lines_.isOpen() && !lines_.eof() ? lines_.field(column_) : db::Value::null();
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
        case Kind::Float: find_ = generalNumberText(value.asDouble(), 10); break;
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
            if (auto amount = tryParseAmount(text, true)) return roundedDecimalText(*amount, 2);
            return std::nullopt;
        case Kind::Date:
            if (auto date = parseDate(text)) return "\"" + formatIsoDate(*date) + "\"";
            return std::nullopt;
        case Kind::Text: break;
    }
    return "\"" + escapeSqlString(text) + "\"";
}

// Amounts are compared at whole cents.
std::string TFFillAndReplace::comparedColumn() const {
    const std::string column = db::quoteIdentifier(column_);
    return kind_ == Kind::Float ? "round(" + column + ",2)" : column;
}

std::optional<unsigned long long> TFFillAndReplace::izvrsiPromjenu() {
    auto refuse = [this](const std::string& text) {
        prompt_.message("Neispravna vrijednost \"" + text + "\" za kolonu " + column_ + "!");
        return std::nullopt;
    };
    const std::optional<std::string> replacement = literal(replace_);
    if (!replacement) return refuse(replace_);
    std::string sql = "update " + table_ + " set " + db::quoteIdentifier(column_) + "=" + *replacement +
                      " where nalogid=" + std::to_string(nalogid_);
    if (conditionVisible_ && !conditionValue_.empty())
        sql += " and " + db::quoteIdentifier(conditionColumn_) + "=\"" + escapeSqlString(conditionValue_) + "\"";
    if (mode_ == Mode::Replace) {
        if (findIsNull_) {
            sql += " and " + db::quoteIdentifier(column_) + " is null";
        } else {
            const std::optional<std::string> found = literal(find_);
            if (!found) return refuse(find_);
            sql += " and " + comparedColumn() + "=" + *found;
        }
    }
    unsigned long long changed = 0;
    try {
        changed = connection_.execute(sql);
        reloadDataset(lines_);
    } catch (const db::DbError& error) {
        prompt_.message(error.what());
        return std::nullopt;
    }
    if (afterChange_) afterChange_();
    return changed;
}

}  // namespace tarvo
