#include "data/company_year/tdatamodule1.h"
#include "journal/voucher_entry.h"

namespace tarvo {

BooksNames booksNamesOf(const TDataModule1& data) {
    const SharedTablePrefixes& borrowed = data.prefixes;
    return {data.db_fin, data.db_pr, borrowed.konto.empty() ? "" : borrowed.konto + "konto",
            borrowed.partner.empty() ? "" : borrowed.partner + "partner"};
}

}  // namespace tarvo
