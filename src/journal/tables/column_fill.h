#pragma once
// "popuni ili zamijeni vrijednosti u koloni" of a table window: fills one column of every row of the
// table, or replaces one value of it by another, in one statement.
#include <optional>
#include <string>
#include <string_view>

#include "data/db/value.h"
#include "util/dates.h"

namespace tarvo {
class UserPrompt;
namespace db {
class Connection;
class Dataset;
}  // namespace db
}  // namespace tarvo

namespace tarvo::tables {

class ColumnFillReplace {
public:
    static constexpr const char* kCaption = "Traži i/ili zamijeni vrijednost u koloni";
    static constexpr const char* kLookupColumn = "Pomoćne kolone ne možete mijenjati ovom opcijom!";
    enum class Kind { Integer, Float, Date, Text };
    enum class Mode { Replace, Fill };  // "zamijeni traženu vrijednost", "popuni sve vrijednosti unešenom"

    // False for lookup columns and names the table does not have.
    static bool isChangeableColumn(const db::Dataset& dataset, std::string_view column);

    // The column must be changeable; throws std::invalid_argument otherwise.
    ColumnFillReplace(db::Connection& connection, db::Dataset& dataset, std::string column, UserPrompt& prompt);

    // Both inputs from the current row; for a NULL value the find input is hidden and the replace input
    // starts with 0, today or empty.
    void FormActivate(Date today);
    Kind kind() const { return kind_; }
    std::string_view groupCaption() const;  // "CIJELI BROJ", "DECIMALNI BROJ", "DATUM", "TEKST"
    const std::string& column() const { return column_; }

    Mode mode() const { return mode_; }
    void setMode(Mode mode) { mode_ = mode; }
    // A key column may be replaced value by value, never filled: every row would get the same key.
    bool fillAllowed() const { return !keyColumn_; }
    bool findVisible() const { return !findIsNull_; }
    bool findEnabled() const { return mode_ == Mode::Replace; }
    std::string findLabel() const;     // "traži" or "traži NULL vrijednost"
    std::string replaceLabel() const;  // "zamijeni sa" or "popuni sa"
    const std::string& findText() const { return find_; }
    void setFindText(std::string text) { find_ = std::move(text); }
    const std::string& replaceText() const { return replace_; }
    void setReplaceText(std::string text) { replace_ = std::move(text); }

    // "IZVRŠI PROMJENU": the number of rows changed; nothing after a message (a value of the wrong kind,
    // fill on a key column, or a statement the server refused).
    std::optional<unsigned long long> izvrsiPromjenu();

private:
    std::string literal(const db::Value& value) const;

    db::Connection& connection_;
    db::Dataset& dataset_;
    std::string column_;
    UserPrompt& prompt_;
    db::Column meta_;
    Kind kind_ = Kind::Text;
    bool keyColumn_ = false;
    Mode mode_ = Mode::Replace;
    bool findIsNull_ = false;
    std::string find_;
    std::string replace_;
};

}  // namespace tarvo::tables
