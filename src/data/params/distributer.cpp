#include "data/params/distributer.h"

#include <stdexcept>

#include "data/catalogue/identifiers.h"
#include "data/db/connection.h"
#include "data/db/error.h"
#include "util/utf8.h"
#include "util/wrap.h"

namespace tarvo {
namespace {

constexpr int kLineWidth = 100;
constexpr size_t kKeyWidth = 30;

bool fitsKey(std::string_view key) { return !key.empty() && utf8Length(key) <= kKeyWidth; }

void requireKey(std::string_view key) {
    if (!fitsKey(key)) throw std::invalid_argument("Neispravan ključ parametra: \"" + std::string(key) + "\"");
}

std::string upsert(const std::string& table, std::string_view key, std::string_view value) {
    requireKey(key);
    return "insert into " + table + "(id,value) values(" + sqlQuoted(key) + "," + sqlQuoted(value) +
           ") on duplicate key update value=" + sqlQuoted(value);
}

}  // namespace

TDistributerParametara::TDistributerParametara(db::Connection& global, CatalogueNames names)
    : global_(global), names_(std::move(names)) {
    requireDatabaseName(names_.ex);
}

db::Connection& TDistributerParametara::requireLocal() {
    if (!local_) throw db::DbError("Nije otvorena baza firme za lokalne parametre");
    return *local_;
}

std::string TDistributerParametara::gparametri() const { return names_.ex + ".gparametri"; }

std::string TDistributerParametara::readLocal(std::string_view key) {
    db::ResultSet result = requireLocal().query("select value from parametar where id=" + sqlQuoted(key));
    return result.empty() ? std::string() : result.at(0, 0).asString();
}

void TDistributerParametara::writeIntoDatabase(const std::string& database, std::string_view key,
                                               std::string_view value) {
    global_.execute(upsert(requireDatabaseName(database) + ".parametar", key, value));
}

std::optional<std::string> TDistributerParametara::findGlobal(std::string_view key) {
    db::ResultSet result = global_.query("select value from " + gparametri() + " where id=" + sqlQuoted(key));
    if (result.empty()) return std::nullopt;
    return result.at(0, 0).asString();
}

std::string TDistributerParametara::readGlobal(std::string_view key) { return findGlobal(key).value_or(""); }

void TDistributerParametara::writeGlobal(std::string_view key, std::string_view value) {
    global_.execute(upsert(gparametri(), key, value));
}

std::string TDistributerParametara::getOrCreateGlobal(std::string_view key, std::string_view defaultValue) {
    if (auto stored = findGlobal(key)) return *stored;
    if (!fitsKey(key)) return std::string(defaultValue);
    try {
        global_.execute("insert into " + gparametri() + "(id,value) values (" + sqlQuoted(key) + "," +
                        sqlQuoted(defaultValue) + ")");
    } catch (const db::DbError&) {
        if (auto stored = findGlobal(key)) return *stored;
    }
    return std::string(defaultValue);
}

// Exactly key + digits: "like key%" would also take longer keys, and "_" in the key would be a wildcard.
std::string TDistributerParametara::linesCondition(std::string_view key) const {
    const size_t length = utf8Length(key);
    return "left(id," + std::to_string(length) + ")=" + sqlQuoted(key) + " and substring(id," +
           std::to_string(length + 1) + ") regexp \"^[0-9]+$\"";
}

void TDistributerParametara::writeGlobalLines(std::string_view key, std::string_view text) {
    const std::vector<std::string> lines = text.empty() ? std::vector<std::string>{} : wrapToLines(text, kLineWidth, false);
    requireKey(std::string(key) + std::to_string(lines.empty() ? 0 : lines.size() - 1));
    std::string insert;
    for (size_t i = 0; i < lines.size(); ++i) {
        insert += insert.empty() ? "insert into " + gparametri() + "(id,value) values " : ",";
        insert += "(" + sqlQuoted(std::string(key) + std::to_string(i)) + "," + sqlQuoted(lines[i]) + ")";
    }
    // The old rows go only together with the new ones.
    db::Transaction transaction(global_);
    global_.execute("delete from " + gparametri() + " where " + linesCondition(key));
    if (!insert.empty()) global_.execute(insert);
    transaction.commit();
}

std::string TDistributerParametara::readGlobalLines(std::string_view key) {
    const size_t length = utf8Length(key);
    db::ResultSet result = global_.query("select value from " + gparametri() + " where " + linesCondition(key) +
                                         " order by cast(substring(id," + std::to_string(length + 1) +
                                         ") as unsigned)");
    std::string text;
    for (const db::Row& row : result.rows()) text += row[0].asString() + " ";
    return text;
}

}  // namespace tarvo
