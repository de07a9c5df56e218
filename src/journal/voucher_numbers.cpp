#include "journal/voucher_numbers.h"

#include <cmath>

#include <fmt/format.h>

#include "data/db/connection.h"

namespace tarvo {
namespace {

long long highestLeadingNumber(db::Connection& connection, const std::string& books, const char* column,
                               std::optional<long long> vnalid) {
    std::string sql = fmt::format("select max(1*TRIM(SUBSTRING_INDEX({},\"/\",1))) as maksbroj from {}.nalog", column,
                                  books);
    if (vnalid) sql += " where vnalid=" + std::to_string(*vnalid);
    const db::Value value = connection.scalar(sql);
    return value.isNull() ? 0 : static_cast<long long>(std::floor(value.asDouble()));
}

}  // namespace

long long highestInternalNumber(db::Connection& connection, const std::string& books,
                                std::optional<long long> vnalid) {
    return highestLeadingNumber(connection, books, "oznaka", vnalid);
}

long long highestCashJournalNumber(db::Connection& connection, const std::string& books, long long vnalid) {
    return highestLeadingNumber(connection, books, "opis", vnalid);
}

std::string internalNumberText(long long n, bool withYear, Date today) {
    if (!withYear) return std::to_string(n);
    const int year = static_cast<int>(today.year());
    return fmt::format("{}/{:2d}", n, ((year % 100) + 100) % 100);
}

long long nextCashDocumentNumber(db::Connection& connection, const std::string& books, const std::string& work,
                                 long long vnalid) {
    const std::string type = std::to_string(vnalid);
    const std::string sql = "select ifnull(max(1*dokument),0) as maxtem from (select a.dokument from " + books +
                            ".konnal a left join " + books + ".nalog b on a.nalogid=b.id where vnalid=" + type +
                            " union select a.dokument from " + work + ".konnal a left join " + work +
                            ".nalog b on a.nalogid=b.id where b.vnalid=" + type + ") x";
    return static_cast<long long>(std::floor(connection.scalar(sql).asDouble())) + 1;
}

long long nextLineNumber(db::Connection& connection, const std::string& work, long long nalogid) {
    return connection.scalar("select ifnull(max(rbr),0)+1 from " + work + ".konnal where nalogid=" +
                             std::to_string(nalogid))
        .asInt();
}

}  // namespace tarvo
