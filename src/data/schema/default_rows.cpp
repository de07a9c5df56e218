#include "data/schema/default_rows.h"

#include <fstream>
#include <regex>

#include "data/catalogue/identifiers.h"
#include "data/db/connection.h"
#include "data/db/error.h"
#include "data/db/script.h"
#include "util/paths.h"
#include "util/utf8.h"

namespace tarvo {
namespace {

// "insert [ignore] [into] `t` ..." or "replace [into] t(...": the statement writes into `table`.
bool writesInto(const std::string& statement, const std::string& table) {
    static const std::regex head(R"(^\s*(insert|replace)\s+(ignore\s+)?(into\s+)?`?([A-Za-z0-9_]+)`?[\s(])",
                                 std::regex::icase);
    std::smatch match;
    const std::string start = statement.substr(0, 200);
    return std::regex_search(start, match, head) && utf8Lower(match[4].str()) == table;
}

}  // namespace

std::string organisationTypeOf(std::string_view organizacioniTip, std::string_view fallback) {
    const std::string value = utf8Lower(organizacioniTip);
    if (value.empty()) return std::string(fallback);
    if (value == "preduzece") return "PRED";
    if (value == "samostalnadjelatnost") return "SDT";
    return "UDR";
}

std::string organizacioniTipOf(std::string_view orgTip) {
    if (orgTip == "UDR") return "udruzenje";
    if (orgTip == "SDT") return "samostalnaDjelatnost";
    return "preduzece";
}

std::string defaultRowsFileName(std::string_view table, std::string_view orgTip) {
    const std::string name(table);
    if (name == "konto") return name + "_" + std::string(orgTip) + ".sql";
    if (name == "finsinteza") return orgTip == "SDT" ? name + ".sql" : name + "_" + std::string(orgTip) + ".sql";
    return name + ".sql";
}

std::filesystem::path defaultRowsFile(std::string_view table, std::string_view orgTip) {
    return findShippedFile("deftabele/" + defaultRowsFileName(table, orgTip));
}

DefaultRowsResult akoTrebaDodajDefaultZapise(db::Connection& connection, const std::string& table,
                                             std::string_view orgTip) {
    DefaultRowsResult result;
    try {
        requireTableName(table);
        if (!connection.query("select 1 from " + table + " limit 1").empty()) {
            result.outcome = DefaultRowsResult::HasRows;
            return result;
        }
        const std::filesystem::path file = defaultRowsFile(table, orgTip);
        if (file.empty()) return result;
        std::ifstream in(file, std::ios::binary);
        if (!in) return result;

        db::Transaction transaction(connection);
        db::ScriptSplitter splitter([&](std::string statement) {
            if (!writesInto(statement, table)) return;
            connection.execute(statement);
            ++result.statements;
        });
        char buffer[1 << 16];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0) splitter.feed({buffer, size_t(in.gcount())});
        splitter.finish();
        transaction.commit();
        result.outcome = DefaultRowsResult::Loaded;
    } catch (const db::DbError& error) {
        result.outcome = DefaultRowsResult::Failed;
        result.error = error.serverMessage();
    } catch (const std::invalid_argument& error) {
        result.outcome = DefaultRowsResult::Failed;
        result.error = error.what();
    }
    return result;
}

}  // namespace tarvo
