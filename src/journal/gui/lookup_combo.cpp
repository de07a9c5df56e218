#include "journal/gui/lookup_combo.h"

#include <algorithm>
#include <vector>

#include "data/db/dataset.h"

namespace tarvo::journal {

LookupCombo::LookupCombo(const db::Dataset& table, std::string keyColumn, std::string shownColumn, QWidget* parent)
    : QComboBox(parent), table_(table), keyColumn_(std::move(keyColumn)), shownColumn_(std::move(shownColumn)) {
    setEditable(false);
    setMaxVisibleItems(20);
    reload();
}

void LookupCombo::reload() {
    const std::optional<std::string> kept = chosenKey();
    std::vector<std::pair<QString, QString>> items;
    if (table_.isOpen()) {
        for (size_t row = 0; row < table_.recordCount(); ++row) {
            const QString shown = QString::fromStdString(table_.valueAt(row, shownColumn_).asString()).trimmed();
            if (shown.isEmpty()) continue;
            items.emplace_back(shown, QString::fromStdString(table_.valueAt(row, keyColumn_).asString()));
        }
    }
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    const QSignalBlocker blocker(this);
    clear();
    for (const auto& [shown, key] : items) addItem(shown, key);
    showKey(kept ? db::Value(*kept) : db::Value::null());
}

void LookupCombo::showKey(const db::Value& key) {
    int found = -1;
    if (!key.isNull()) {
        const std::string wanted = key.asString();
        for (int i = 0; i < count() && found < 0; ++i)
            if (db::sameText(itemData(i).toString().toStdString(), wanted)) found = i;
    }
    const QSignalBlocker blocker(this);
    setCurrentIndex(found);
}

std::optional<std::string> LookupCombo::chosenKey() const {
    if (currentIndex() < 0) return std::nullopt;
    return currentData().toString().toStdString();
}

}  // namespace tarvo::journal
