#pragma once

// Moving a voucher between the working copy and the books. Both databases are on one server, so each
// move is one transaction on one connection that names the tables with their databases.

#include <string>
#include <string_view>

namespace tarvo {

namespace db {
class Connection;
}

struct VoucherCopies {
    std::string books;  // the company year's finance database
    std::string work;   // the working database ("p_finansije")
};

enum class TransferOutcome {
    Done,
    MissingSource,  // the voucher is not in the database it should come from; nothing changed
    Unbalanced,     // the recomputed totals differ; nothing changed
};

struct WriteOptions {
    bool removeWorkingCopy = false;  // posting: the voucher leaves the working copy in the same transaction
    bool requireBalanced = false;
};

// Replaces voucher `id` in the books by its working copy (header with its id, lines in the order of their
// ids with new line ids). The working totals are recomputed from the lines first. Throws db::DbError after
// rolling everything back.
TransferOutcome writeVoucherToBooks(db::Connection& connection, const VoucherCopies& copies, long long id,
                                    WriteOptions options);
// Replaces the working copy of voucher `id` by the posted voucher.
TransferOutcome copyVoucherToWorking(db::Connection& connection, const VoucherCopies& copies, long long id);
// Removes voucher `id` from the books and from the working copy.
void deleteVoucherEverywhere(db::Connection& connection, const VoucherCopies& copies, long long id);

// The id for a new working voucher: above every voucher id of the books and of the working copy, and not
// below the working table's auto-increment counter.
long long nextVoucherId(db::Connection& connection, const VoucherCopies& copies);

// The two statements that set `ukdug` and `ukpot` of one voucher of `database` to the sums of its lines
// (0 without lines). `idLiteral` is the id as SQL text: a number or an escaped quoted text.
std::string recomputeTotalsSql(const std::string& database, std::string_view idLiteral);

}  // namespace tarvo
