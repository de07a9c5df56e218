#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/schema/creation.h"
#include "lifecycle/demo/books_writer.h"
#include "util/dates.h"

namespace tarvo {

class TDM_firma;

namespace db {
class Connection;
}

struct DemoOptions {
    int fid = 1;
    std::string naziv = "Demo d.o.o.";
    int godina = static_cast<int>(today().year());
    std::uint32_t seed = 2024;
    int vouchers = 300;  // of the whole year; the opening and the month-end vouchers are always made
    int partners = 40;
};

struct DemoCompanyReport {
    // What failed. The demo rows (partners, company details, books) are written all or none.
    CreationReport report;
    std::string prDatabase;
    std::string finDatabase;
    int partners = 0;
    BooksTotals books;
    bool ok() const { return report.ok(); }
};

// A trading company with a year of posted books, for trying the program out: the company year registered
// and created by the program's own creation (organisation type "PRED"), its partners, its company details
// in the local parameters, and the vouchers of a whole year in the books. The working database is not
// touched. Refused, with a failure in the report, when the company year already has partners or vouchers.
// The same options give the same rows.
DemoCompanyReport createDemoCompany(TDM_firma& catalogue, const DemoOptions& options = {});

// The same kind of books at a size for benchmarks: vouchers of the year `godina` until they hold at least
// `lines` posting lines (the last voucher is completed), appended to the books of `finDatabase`, whose
// tables must exist. Partner ids are those of the demo company of the same seed (1 to 40).
BooksTotals generateLargeBooks(db::Connection& connection, const std::string& finDatabase, std::size_t lines,
                               std::uint32_t seed, int godina = static_cast<int>(today().year()));

}  // namespace tarvo
