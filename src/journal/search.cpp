#include "journal/search.h"

#include <stdexcept>

#include "data/catalogue/identifiers.h"
#include "data/db/connection.h"
#include "data/db/error.h"
#include "util/sqltext.h"

namespace tarvo {
namespace {

std::string requireQualifiedTable(std::string table) {
    const size_t dot = table.find('.');
    const bool valid = dot == std::string::npos
                           ? isValidTableName(table)
                           : isValidDatabaseName(std::string_view(table).substr(0, dot)) &&
                                 isValidTableName(std::string_view(table).substr(dot + 1));
    if (!valid) throw std::invalid_argument("Neispravan naziv tabele: \"" + table + "\"");
    return table;
}

}  // namespace

void TFPretraga::setUp(db::Connection& connection, std::string table, int attribute, int mode) {
    connection_ = &connection;
    table_ = requireQualifiedTable(std::move(table));
    attribute_ = attribute;
    mode_ = mode;
}

void TFPretraga::setPartner(db::Connection& connection, std::string table, int attribute, int mode) {
    attributes_ = {{"id", "Šifra (ID)", ""},
                   {"id2", "Šifra (ID2)", ""},
                   {"naziv", "Naziv", ""},
                   {"porbroj", "Poreski broj", ""},
                   {"identbroj", "Identifikacioni broj", ""}};
    secondary_ = {{"mjesto", ""}};
    setUp(connection, std::move(table), attribute, mode);
}

void TFPretraga::setKonto(db::Connection& connection, std::string table, int attribute, int mode) {
    attributes_ = {{"id", "Konto", ""}, {"naziv", "Naziv", ""}};
    secondary_.clear();
    setUp(connection, std::move(table), attribute, mode);
}

std::vector<std::string> TFPretraga::captions() const {
    std::vector<std::string> captions;
    for (const KeyAttribute& a : attributes_) captions.push_back(a.caption);
    return captions;
}

void TFPretraga::setSearchText(std::string text) {
    text_ = std::move(text);
    if (text_ != "*") search();
}

void TFPretraga::setAttribute(int attribute) {
    attribute_ = attribute;
    search();
}

std::string TFPretraga::keyColumn() const {
    const KeyAttribute& a = attributes_.at(static_cast<size_t>(attribute_));
    return a.alias.empty() ? a.column : a.alias + "." + a.column;
}

std::string TFPretraga::statement() const {
    std::string columns;
    auto add = [&columns](const std::string& column) { columns += (columns.empty() ? "" : ",") + column; };
    for (const KeyAttribute& a : attributes_) add(a.alias.empty() ? a.column : a.alias + "." + a.column);
    for (const SecondaryColumn& c : secondary_) add(c.alias.empty() ? c.expression : c.alias + "." + c.expression);
    const std::string pattern = (mode_ == PocinjeSa ? "^" : "") + escapeRegex(text_.empty() ? " " : text_);
    const std::string key = keyColumn();
    return "select " + columns + " from " + table_ + " where " + key + " rlike \"" + pattern + "\" order by " + key;
}

void TFPretraga::search() {
    if (!connection_ || attributes_.empty()) return;
    try {
        result_ = connection_->query(statement());
    } catch (const db::DbError&) {
        return;
    }
    lines_.clear();
    for (const db::Row& row : result_.rows()) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) line += (i ? ";" : "") + row[i].asString();
        lines_.push_back(std::move(line));
    }
}

bool TFPretraga::choose(size_t row) {
    if (row >= result_.size()) return false;
    id_ = result_.at(row, "id").asString();
    naziv_ = result_.at(row, "naziv").asString();
    return true;
}

}  // namespace tarvo
