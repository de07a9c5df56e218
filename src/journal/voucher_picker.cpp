#include "journal/voucher_picker.h"

#include "data/catalogue/identifiers.h"
#include "data/db/connection.h"

namespace tarvo {

TForm8::TForm8(db::Connection& connection, std::string books)
    : connection_(connection), books_(requireDatabaseName(books)) {}

std::string TForm8::statement() const {
    std::string sql = "select d.vnalid, left(v.opis,30) as vrstaNaloga, left(d.oznaka,12) as brojNaloga, d.datum, "
                      "d.opis, d.ukDug, d.ukPot, d.id, d.oznaka from " +
                      books_ + ".nalog d left join " + books_ + ".vrstanal v on d.vnalid=v.id where #p1# order by #p2#";
    const auto p1 = sql.find("#p1#");
    sql.replace(p1, 4, uslov_);
    const auto p2 = sql.find("#p2#");
    sql.replace(p2, 4, poredak_);
    return sql;
}

void TForm8::reload() {
    rows_ = connection_.query(statement());
    selectRow(rows_.empty() ? std::nullopt : std::optional<size_t>(0));
}

void TForm8::FormActivate() { reload(); }

std::vector<TForm8::VoucherType> TForm8::vrsteNaloga() {
    std::vector<VoucherType> types;
    const db::ResultSet rows = connection_.query("select id, opis from " + books_ + ".vrstanal order by opis");
    for (const db::Row& row : rows.rows())
        types.push_back({row[0].asInt(), row[1].asString()});
    return types;
}

void TForm8::setIzdvoji(bool izdvoji, std::optional<long long> vnalid) {
    const std::string condition = izdvoji && vnalid ? "d.vnalid=" + std::to_string(*vnalid) : "True";
    if (condition == uslov_) return;
    uslov_ = condition;
    reload();
}

void TForm8::selectRow(std::optional<size_t> row) {
    selected_ = row && *row < rows_.size() ? row : std::nullopt;
}

std::optional<long long> TForm8::accept() {
    if (!selected_) return std::nullopt;
    chosen_ = rows_.at(*selected_, "id").asInt();
    return chosen_;
}

}  // namespace tarvo
