#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/catalogue/catalogue_names.h"

namespace tarvo {

namespace db {
class Connection;
}

// A key/value table held in memory: reads look the key up in the loaded rows, compared the way the
// server compares keys (case-insensitive, trailing blanks ignored); writes go to the server at once.
// The table is read on first use and again by load().
class ParameterTable {
public:
    // `table` may be qualified ("prodaja_7_2021.parametar"); every part must be a plain name. Keys longer
    // than `keyWidth` characters are never written: the server would cut them onto another key.
    ParameterTable(db::Connection& connection, std::string table, std::string keyColumn = "id",
                   std::string valueColumn = "value", size_t keyWidth = 30);

    // Reads every row; throws db::DbError when the table cannot be read.
    void load();
    bool isLoaded() const { return loaded_; }
    const std::string& table() const { return table_; }
    const std::vector<std::pair<std::string, std::string>>& rows();

    // The value, or "" when the key has no row; creates nothing.
    std::string getParam(std::string_view key);
    // The value; a missing key is written with the default, which is returned. When the write fails
    // because another program has just written the key, the stored value is returned instead.
    // A key too long for the table reads as its default and is not written.
    std::string sgetParam(std::string_view key, std::string_view defaultValue);
    // Writes the row (inserting it when missing); false on any error.
    bool setParam(std::string_view key, std::string_view value);

private:
    void ensureLoaded();
    bool fits(std::string_view key) const;
    std::optional<size_t> find(std::string_view key) const;
    void remember(std::string_view key, std::string value);
    std::optional<std::string> readStored(std::string_view key);

    db::Connection* connection_;
    std::string table_;
    std::string keyColumn_;
    std::string valueColumn_;
    size_t keyWidth_;
    std::vector<std::pair<std::string, std::string>> rows_;
    bool loaded_ = false;
};

// The local parameters of a company year: `parametar` of its pr database.
ParameterTable localParameters(db::Connection& connection, const std::string& prDatabase);
// The catalogue's key/value table `rb` (columns `id`, `vr`).
ParameterTable rbParameters(db::Connection& connection, const CatalogueNames& names);

}  // namespace tarvo
