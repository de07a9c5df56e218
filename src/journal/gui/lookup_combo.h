#pragma once
#include <QComboBox>

#include <optional>
#include <string>

#include "data/db/value.h"

namespace tarvo::db {
class Dataset;
}

namespace tarvo::journal {

// A drop-down list over the rows of a table, showing one column and holding another as the key, the way
// the voucher entry picks a voucher type, an account or a partner. Rows without a shown text are left out.
class LookupCombo : public QComboBox {
    Q_OBJECT
public:
    LookupCombo(const db::Dataset& table, std::string keyColumn, std::string shownColumn, QWidget* parent = nullptr);

    // Reads the rows again (sorted by the shown text) and keeps the key that was shown.
    void reload();
    // Shows the row of the key; nothing is shown when no row has it.
    void showKey(const db::Value& key);
    std::optional<std::string> chosenKey() const;

private:
    const db::Dataset& table_;
    std::string keyColumn_;
    std::string shownColumn_;
};

}  // namespace tarvo::journal
