#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "util/dates.h"

namespace tarvo {

namespace db {
class Connection;
class Dataset;
}
class UserPrompt;

// "Traži i/ili zamijeni vrijednost u koloni": fills or replaces one column of the lines of one voucher.
// The change is one statement limited to that voucher, so lines of other vouchers in the shared working
// copy are never touched. Values are held as the inputs show them: an integer, an amount with either
// decimal separator, a date "dd.mm.yyyy" or a text.
class TFFillAndReplace {
public:
    static constexpr const char* kCaption = "Traži i/ili zamijeni vrijednost u koloni";
    enum class Kind { Integer, Float, Date, Text };
    enum class Mode { Replace, Fill };  // "zamijeni traženu vrijednost", "popuni sve vrijednosti unešenom"

    // False for lookup columns, unknown names and the keys `id` and `nalogid`: the caller then says
    // "Pomoćne kolone ne možete mijenjati ovom opcijom!".
    static bool isChangeableColumn(const db::Dataset& lines, std::string_view column);

    // `lines` is the voucher's line dataset, `table` its table as "database.table"; `afterChange` runs
    // after a change (the entry recomputes the totals there). Throws std::invalid_argument for a column
    // that isChangeableColumn refuses.
    TFFillAndReplace(db::Connection& connection, std::string table, db::Dataset& lines, long long nalogid,
                     std::string column, UserPrompt& prompt, std::function<void()> afterChange = {});

    // Shows the group "Posebni uslov za nalaženje stavki" with the column and the value.
    void ukljuciPosebniUslov(std::string column, std::string value);
    bool posebniUslovVisible() const { return conditionVisible_; }
    const std::string& conditionColumn() const { return conditionColumn_; }
    const std::string& conditionValue() const { return conditionValue_; }
    void setConditionValue(std::string value) { conditionValue_ = std::move(value); }

    // On first show: the group by the column's type and both inputs from the current line.
    void FormActivate(Date today);
    Kind kind() const { return kind_; }
    // "CIJELI BROJ", "DECIMALNI BROJ", "DATUM", "TEKST"
    std::string_view groupCaption() const;
    const std::string& column() const { return column_; }

    Mode mode() const { return mode_; }
    void setMode(Mode mode) { mode_ = mode; }
    // The find input is hidden when the current value is NULL, and disabled in fill mode.
    bool findVisible() const { return !findIsNull_; }
    bool findEnabled() const { return mode_ == Mode::Replace; }
    std::string findLabel() const;     // "traži" or "traži NULL vrijednost"
    std::string replaceLabel() const;  // "zamijeni sa" or "popuni sa"
    const std::string& findText() const { return find_; }
    void setFindText(std::string text) { find_ = std::move(text); }
    const std::string& replaceText() const { return replace_; }
    void setReplaceText(std::string text) { replace_ = std::move(text); }

    // "IZVRŠI PROMJENU": the number of lines changed; nothing after a message (a value that is not of the
    // column's kind, or a statement the server refused).
    std::optional<unsigned long long> izvrsiPromjenu();

private:
    // The value as SQL text for the column's kind; nothing when it does not read as one.
    std::optional<std::string> literal(const std::string& text) const;
    std::string comparedColumn() const;

    db::Connection& connection_;
    std::string table_;
    db::Dataset& lines_;
    long long nalogid_;
    std::string column_;
    UserPrompt& prompt_;
    std::function<void()> afterChange_;
    Kind kind_ = Kind::Text;
    Mode mode_ = Mode::Replace;
    bool conditionVisible_ = false;
    std::string conditionColumn_;
    std::string conditionValue_;
    bool findIsNull_ = false;
    std::string find_;
    std::string replace_;
};

}  // namespace tarvo
