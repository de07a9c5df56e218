#include "journal/voucher_transfer.h"

#include "data/db/connection.h"
#include "util/amounts.h"

namespace tarvo {
namespace {

constexpr std::string_view kHeaderColumns = "id,vnalid,oznaka,opis,datum,ukdug,ukpot";
constexpr std::string_view kLineColumns =
    "nalogid,rbr,dokument,datum,opis,kontoid,partnerid,duguje,potrazuje,fpogidokid,idokid,v1,v2,v3";

void removeVoucher(db::Connection& connection, const std::string& database, const std::string& id) {
    connection.execute("delete from " + database + ".konnal where nalogid=" + id);
    connection.execute("delete from " + database + ".nalog where id=" + id);
}

// Locks the header row so that nobody removes it while it is copied.
bool lockHeader(db::Connection& connection, const std::string& database, const std::string& id) {
    return !connection.query("select id from " + database + ".nalog where id=" + id + " for update").empty();
}

void copyVoucher(db::Connection& connection, const std::string& from, const std::string& to, const std::string& id) {
    removeVoucher(connection, to, id);
    connection.execute("insert into " + to + ".nalog (" + std::string(kHeaderColumns) + ") select " +
                       std::string(kHeaderColumns) + " from " + from + ".nalog where id=" + id);
    connection.execute("insert into " + to + ".konnal (" + std::string(kLineColumns) + ") select " +
                       std::string(kLineColumns) + " from " + from + ".konnal where nalogid=" + id + " order by id");
}

}  // namespace

std::string recomputeTotalsSql(const std::string& database, std::string_view idLiteral) {
    const std::string id(idLiteral);
    auto one = [&](const char* total, const char* amount) {
        return "update " + database + ".nalog set " + total + "=(select ifnull(sum(" + amount + "),0) from " +
               database + ".konnal where nalogid=" + id + ") where id=" + id + ";";
    };
    return one("ukdug", "duguje") + one("ukpot", "potrazuje");
}

TransferOutcome writeVoucherToBooks(db::Connection& connection, const VoucherCopies& copies, long long id,
                                    WriteOptions options) {
    const std::string n = std::to_string(id);
    db::Transaction transaction(connection);
    if (!lockHeader(connection, copies.work, n)) return TransferOutcome::MissingSource;
    connection.execute(recomputeTotalsSql(copies.work, n));
    if (options.requireBalanced) {
        const db::ResultSet totals = connection.query("select ukdug, ukpot from " + copies.work + ".nalog where id=" + n);
        if (!sameAmount(totals.at(0, 0).asDouble(), totals.at(0, 1).asDouble())) return TransferOutcome::Unbalanced;
    }
    copyVoucher(connection, copies.work, copies.books, n);
    if (options.removeWorkingCopy) removeVoucher(connection, copies.work, n);
    transaction.commit();
    return TransferOutcome::Done;
}

TransferOutcome copyVoucherToWorking(db::Connection& connection, const VoucherCopies& copies, long long id) {
    const std::string n = std::to_string(id);
    db::Transaction transaction(connection);
    if (!lockHeader(connection, copies.books, n)) return TransferOutcome::MissingSource;
    copyVoucher(connection, copies.books, copies.work, n);
    transaction.commit();
    return TransferOutcome::Done;
}

void deleteVoucherEverywhere(db::Connection& connection, const VoucherCopies& copies, long long id) {
    const std::string n = std::to_string(id);
    db::Transaction transaction(connection);
    removeVoucher(connection, copies.books, n);
    removeVoucher(connection, copies.work, n);
    transaction.commit();
}

long long nextVoucherId(db::Connection& connection, const VoucherCopies& copies) {
    const std::string sql =
        "select greatest(ifnull((select max(id) from " + copies.books + ".nalog),0)+1, ifnull((select max(id) from " +
        copies.work + ".nalog),0)+1, ifnull((select auto_increment from information_schema.tables where table_schema='" +
        connection.escape(copies.work) + "' and table_name='nalog'),1))";
    return connection.scalar(sql).asInt();
}

}  // namespace tarvo
