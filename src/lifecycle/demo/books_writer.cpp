#include "lifecycle/demo/books_writer.h"

#include <stdexcept>

#include "data/db/connection.h"
#include "util/numbers.h"
#include "util/utf8.h"

namespace tarvo::demo {

namespace {

std::string centsText(long long cents) {
    const std::string sign = cents < 0 ? "-" : "";
    const long long magnitude = cents < 0 ? -cents : cents;
    return sign + std::to_string(magnitude / 100) + "." + zeroPadded(magnitude % 100, 2);
}

// The column widths of the books: longer texts would be cut by the server, with a warning.
std::string fitted(const std::string& text, std::size_t width) { return utf8Substr(text, 0, width); }

long long nextAfter(db::Connection& connection, const std::string& sql) {
    return connection.scalar(sql).asInt() + 1;
}

}  // namespace

BooksWriter::BooksWriter(db::Connection& connection)
    : nalog_(connection, "nalog", {"id", "vnalid", "oznaka", "opis", "datum", "ukdug", "ukpot"}),
      konnal_(connection, "konnal",
              {"id", "nalogid", "rbr", "dokument", "opis", "kontoid", "partnerid", "duguje", "potrazuje", "datum",
               "fpogidokid", "idokid", "v1", "v2", "v3"}) {
    nextNalogId_ = nextAfter(connection, "select ifnull(max(id),0) from nalog");
    nextLineId_ = nextAfter(connection, "select ifnull(max(id),0) from konnal");
    nextNumber_ = nextAfter(connection, "select ifnull(max(1*TRIM(SUBSTRING_INDEX(oznaka,\"/\",1))),0) from nalog");
}

void BooksWriter::add(const DemoVoucher& voucher) {
    long long debit = 0, credit = 0;
    for (const DemoLine& line : voucher.lines) {
        debit += line.dugujeCents;
        credit += line.potrazujeCents;
    }
    if (debit != credit) throw std::logic_error("Demo nalog \"" + voucher.opis + "\" nije u ravnoteži");

    const std::string id = std::to_string(nextNalogId_++);
    nalog_.add({id, std::to_string(voucher.vnalid), std::to_string(nextNumber_++), fitted(voucher.opis, 40),
                formatIsoDate(voucher.datum), centsText(debit), centsText(credit)});
    long long rbr = 0;
    for (const DemoLine& line : voucher.lines) {
        konnal_.add({std::to_string(nextLineId_++), id, std::to_string(++rbr), fitted(line.dokument, 15),
                     fitted(line.opis, 40), line.kontoid, std::to_string(line.partnerid),
                     centsText(line.dugujeCents), centsText(line.potrazujeCents), formatIsoDate(line.datum),
                     db::Value::null(), db::Value::null(), "", db::Value::null(), db::Value::null()});
    }
    ++totals_.vouchers;
    totals_.lines += rbr;
    totals_.debitCents += debit;
    totals_.creditCents += credit;
}

void BooksWriter::finish() {
    nalog_.flush();
    konnal_.flush();
}

}  // namespace tarvo::demo
