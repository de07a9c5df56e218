#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/db/value.h"
#include "util/dates.h"

namespace tarvo {

namespace db {
class Connection;
class Dataset;
}
class UserPrompt;

// The rows a fill or replace may reach: one table, narrowed by a condition the program builds (never
// typed by a user), and the columns it must not touch besides the lookup ones.
struct FillReplaceScope {
    std::string table;                        // "database.table" or "table"
    std::string condition;                    // e.g. "nalogid=12"; empty for every row of the table
    std::vector<std::string> refusedColumns;  // e.g. the keys that tie lines to their voucher
};

// "Traži i/ili zamijeni vrijednost u koloni": fills one column of the rows in scope, or replaces one value
// of it by another, in one statement limited to the scope. Values are held as the inputs show them: an
// integer, a number with either decimal separator, a date "dd.mm.yyyy" or a text.
class TFFillAndReplace {
public:
    static constexpr const char* kCaption = "Traži i/ili zamijeni vrijednost u koloni";
    static constexpr const char* kLookupColumn = "Pomoćne kolone ne možete mijenjati ovom opcijom!";
    enum class Kind { Integer, Float, Date, Text };
    enum class Mode { Replace, Fill };  // "zamijeni traženu vrijednost", "popuni sve vrijednosti unešenom"

    // False for lookup columns, unknown names, the scope's refused columns and a scope without a table:
    // the caller then says kLookupColumn.
    static bool isChangeableColumn(const db::Dataset& rows, std::string_view column, const FillReplaceScope& scope);

    // `rows` is the data set the window shows, read again after a change; `afterChange` runs after that
    // (the voucher entry recomputes its totals there). Throws std::invalid_argument for a column that
    // isChangeableColumn refuses.
    TFFillAndReplace(db::Connection& connection, db::Dataset& rows, std::string column, FillReplaceScope scope,
                     UserPrompt& prompt, std::function<void()> afterChange = {});

    // Shows the group "Posebni uslov za nalaženje stavki" with the column and the value.
    void ukljuciPosebniUslov(std::string column, std::string value);
    bool posebniUslovVisible() const { return conditionVisible_; }
    const std::string& conditionColumn() const { return conditionColumn_; }
    const std::string& conditionValue() const { return conditionValue_; }
    void setConditionValue(std::string value) { conditionValue_ = std::move(value); }

    // On first show: both inputs from the current row; for a NULL value the find input is hidden and the
    // replace input starts with 0, today or empty.
    void FormActivate(Date today);
    Kind kind() const { return kind_; }
    // "CIJELI BROJ", "DECIMALNI BROJ", "DATUM", "TEKST"
    std::string_view groupCaption() const;
    const std::string& column() const { return column_; }

    Mode mode() const { return mode_; }
    void setMode(Mode mode) { mode_ = mode; }
    // A key column may be replaced value by value, never filled: every row would get the same key.
    bool fillAllowed() const { return !keyColumn_; }
    // The find input is hidden when the current value is NULL, and disabled in fill mode.
    bool findVisible() const { return !findIsNull_; }
    bool findEnabled() const { return mode_ == Mode::Replace; }
    std::string findLabel() const;     // "traži" or "traži NULL vrijednost"
    std::string replaceLabel() const;  // "zamijeni sa" or "popuni sa"
    const std::string& findText() const { return find_; }
    void setFindText(std::string text) { find_ = std::move(text); }
    const std::string& replaceText() const { return replace_; }
    void setReplaceText(std::string text) { replace_ = std::move(text); }

    // "IZVRŠI PROMJENU": the number of rows changed; nothing after a message (a value that is not of the
    // column's kind, fill on a key column, or a statement the server refused).
    std::optional<unsigned long long> izvrsiPromjenu();

private:
    // The value as SQL text for the column's kind; nothing when it does not read as one.
    std::optional<std::string> literal(const std::string& text) const;
    std::string comparedColumn() const;
    int decimals() const;

    db::Connection& connection_;
    db::Dataset& rows_;
    std::string column_;
    FillReplaceScope scope_;
    UserPrompt& prompt_;
    std::function<void()> afterChange_;
    db::Column meta_;
    Kind kind_ = Kind::Text;
    bool keyColumn_ = false;
    Mode mode_ = Mode::Replace;
    bool conditionVisible_ = false;
    std::string conditionColumn_;
    std::string conditionValue_;
    bool findIsNull_ = false;
    std::string find_;
    std::string replace_;
};

}  // namespace tarvo
