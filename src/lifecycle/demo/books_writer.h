#pragma once
#include "data/db/bulk_loader.h"
#include "lifecycle/demo/demo_journal.h"

namespace tarvo {

namespace db {
class Connection;
}

struct BooksTotals {
    long long vouchers = 0;
    long long lines = 0;
    long long debitCents = 0;
    long long creditCents = 0;
};

namespace demo {

// Posts generated vouchers into the books of the connection's current database (a finance database), after
// what the books already hold: ids above the highest ones, and `oznaka` the next number of the one sequence
// for all voucher types, as the voucher entry numbers new vouchers. Every line gets `v1` "".
class BooksWriter {
public:
    explicit BooksWriter(db::Connection& connection);

    // Throws std::logic_error for a voucher that does not balance at whole cents.
    void add(const DemoVoucher& voucher);
    // Sends what is still batched.
    void finish();
    const BooksTotals& totals() const { return totals_; }

private:
    db::BulkLoader nalog_;
    db::BulkLoader konnal_;
    long long nextNalogId_ = 1;
    long long nextLineId_ = 1;
    long long nextNumber_ = 1;
    BooksTotals totals_;
};

}  // namespace demo
}  // namespace tarvo
