#pragma once

// The numbers the entry assigns: the internal voucher number, the cash-journal number of a cash voucher,
// the cash-document number of its lines and the line number.

#include <optional>
#include <string>

#include "util/dates.h"

namespace tarvo {

namespace db {
class Connection;
}

// The highest number before the first "/" of `oznaka` (or `opis`) of the books' vouchers, of one type or of
// all; a text that does not start with digits counts as 0, no voucher gives 0.
long long highestInternalNumber(db::Connection& connection, const std::string& books,
                                std::optional<long long> vnalid);
long long highestCashJournalNumber(db::Connection& connection, const std::string& books, long long vnalid);

// n, or with `withYear` n + "/" + the two-digit year, space-padded to two characters ("8/24", "8/ 5").
std::string internalNumberText(long long n, bool withYear, Date today);

// The highest cash-document number (`dokument`) of the lines of type-`vnalid` vouchers, posted and in
// preparation, plus one.
long long nextCashDocumentNumber(db::Connection& connection, const std::string& books, const std::string& work,
                                 long long vnalid);

// The voucher's highest line number plus one (1 for a voucher without lines).
long long nextLineNumber(db::Connection& connection, const std::string& work, long long nalogid);

}  // namespace tarvo
