#pragma once
#include <string>
#include <vector>

#include "data/db/result_set.h"

namespace tarvo {

namespace db {
class Connection;
}

// The search dialog "Pretraživanje": one table searched by a chosen attribute as the user types. The typed
// text is found literally, so "A.B" finds "A.B" and not "AxB", and "(x" finds "(x".
class TFPretraga {
public:
    enum Mode { PocinjeSa = 0, BiloGdje = 1 };  // "da počinje sa traženim", "da se traženo nalazi bilo gdje"

    struct KeyAttribute {
        std::string column;
        std::string caption;
        std::string alias;  // table alias, empty for none
    };
    struct SecondaryColumn {
        std::string expression;  // may hold " as "
        std::string alias;
    };

    // Set-ups: the connection, the table (optionally "database.table"), the attribute index and the mode.
    // Throw std::invalid_argument for a table name that is not a plain (qualified) name.
    void setPartner(db::Connection& connection, std::string table, int attribute, int mode);
    void setKonto(db::Connection& connection, std::string table, int attribute, int mode);

    const std::vector<KeyAttribute>& attributes() const { return attributes_; }
    std::vector<std::string> captions() const;
    int attribute() const { return attribute_; }
    int mode() const { return mode_; }
    const std::string& searchText() const { return text_; }

    // The initial text, before the dialog is shown.
    void setInitialText(std::string text) { text_ = std::move(text); }
    // On first show: runs the search.
    void FormActivate() { search(); }
    // Every change of the text but "*" alone searches again.
    void setSearchText(std::string text);
    // Changing the attribute searches again; the mode counts from the next search.
    void setAttribute(int attribute);
    void setMode(int mode) { mode_ = mode; }

    // The statement for the current text, attribute and mode.
    std::string statement() const;
    // Runs the statement; a failing statement leaves the previous result.
    void search();

    // One line per row: the key and secondary columns separated by ";".
    const std::vector<std::string>& resultLines() const { return lines_; }
    bool resultsVisible() const { return !lines_.empty(); }
    // Enter, a double click or "odaberi" on a row: OK with the row's `id` and `naziv`; false for no such row.
    bool choose(size_t row);
    const std::string& id() const { return id_; }
    const std::string& naziv() const { return naziv_; }

private:
    void setUp(db::Connection& connection, std::string table, int attribute, int mode);
    std::string keyColumn() const;

    db::Connection* connection_ = nullptr;
    std::string table_;
    std::vector<KeyAttribute> attributes_;
    std::vector<SecondaryColumn> secondary_;
    int attribute_ = 0;
    int mode_ = PocinjeSa;
    std::string text_;
    db::ResultSet result_;
    std::vector<std::string> lines_;
    std::string id_;
    std::string naziv_;
};

}  // namespace tarvo
