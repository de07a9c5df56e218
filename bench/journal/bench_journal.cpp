// Voucher entry against large books: posting a 1000-line voucher into books of a million lines, and
// confirming one line with the account balance control on.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench_server.h"
#include "data/db/bulk_loader.h"
#include "data/db/connection.h"
#include "data/db/dataset.h"
#include "data/schema/table_definitions.h"
#include "journal/voucher_entry.h"
#include "journal/working_database.h"
#include "util/user_prompt.h"

using namespace tarvo;

namespace {

constexpr long long kBookLines = 1000000;
constexpr long long kLinesPerVoucher = 50;
constexpr long long kVoucherLines = 1000;
constexpr int kYear = 2024;
constexpr Date kDate{std::chrono::year(kYear), std::chrono::month(6), std::chrono::day(1)};
const std::string kBooks = "tarvo_bench_journal_fin";
const std::string kPartners = "tarvo_bench_journal_pr";
const std::string kWork = "tarvo_bench_journal_work";

db::Connection connect(const std::string& database = {}) {
    db::ConnectionParams params = bench::serverParams();
    params.database = database;
    return db::Connection(params);
}

void createDatabase(db::Connection& c, const std::string& name, std::initializer_list<const char*> tables) {
    c.execute("drop database if exists " + name);
    c.execute("create database " + name + " character set=utf8");
    c.selectDatabase(name);
    for (const char* table : tables) c.execute(tableDefinition(table));
}

std::string amount(long long cents) { return std::to_string(cents / 100) + "." + std::to_string(cents % 100); }

// A year of books: balanced vouchers of 50 lines over 300 accounts and 400 partners. The books are the
// connection's current database.
void fillBooks(db::Connection& c) {
    db::BulkLoader headers(c, "nalog", {"id", "vnalid", "oznaka", "opis", "datum", "ukdug", "ukpot"});
    db::BulkLoader lines(c, "konnal",
                         {"nalogid", "rbr", "dokument", "opis", "kontoid", "partnerid", "duguje", "potrazuje", "datum",
                          "fpogidokid", "idokid", "v1", "v2", "v3"});
    for (long long i = 0; i < kBookLines; ++i) {
        const long long voucher = i / kLinesPerVoucher + 1;
        const long long rbr = i % kLinesPerVoucher + 1;
        const bool debit = rbr % 2 == 1;
        lines.add({db::Value(std::to_string(voucher)), db::Value(std::to_string(rbr)),
                   db::Value("DOK-" + std::to_string(i % 9973)), db::Value("Opis stavke " + std::to_string(i)),
                   db::Value(std::to_string(2000 + i % 300)), db::Value(std::to_string(i % 400)),
                   db::Value(debit ? "125.50" : "0"), db::Value(debit ? "0" : "125.50"), db::Value("2024-05-17"),
                   db::Value("0"), db::Value("0"), db::Value(""), db::Value(""), db::Value("")});
        if (rbr == kLinesPerVoucher) {
            const std::string total = amount(12550 * kLinesPerVoucher / 2);
            headers.add({db::Value(std::to_string(voucher)), db::Value("11"), db::Value(std::to_string(voucher)),
                         db::Value("nalog"), db::Value("2024-05-17"), db::Value(total), db::Value(total)});
        }
    }
    lines.flush();
    headers.flush();
}

struct Books {
    db::Connection fin;
    ScriptedPrompt prompt;
    TDMlokalni working{prompt, kWork};
    std::unique_ptr<VoucherEntry> entry;

    Books() : fin(connect()) {
        createDatabase(fin, kPartners, {"partner"});
        createDatabase(fin, kWork, {"nalog", "konnal"});
        createDatabase(fin, kBooks, {"konto", "vrstanal", "nalog", "konnal"});
        fin.execute("insert into vrstanal (id, opis) values (11, 'izlazne fakture')");
        fillBooks(fin);
        working.srediKonekciju(bench::serverParams());
        working.otvoriTabele();
        JournalSettings settings;
        settings.kontaSaldaNula = "2050";
        entry = std::make_unique<VoucherEntry>(working, fin, BooksNames{kBooks, kPartners, "", ""}, kYear, settings,
                                               prompt);
        entry->setToday([] { return kDate; });
    }

    // An open voucher whose 1000 balanced lines were loaded straight into the working copy.
    void openLargeVoucher() {
        entry->startVoucher(NewVoucher{11, kDate, "veliki nalog", std::nullopt});
        const long long id = *entry->voucherId();
        db::BulkLoader lines(working.MyConnection1(), "konnal",
                             {"nalogid", "rbr", "dokument", "opis", "kontoid", "partnerid", "duguje", "potrazuje",
                              "datum", "v1"});
        for (long long rbr = 1; rbr <= kVoucherLines; ++rbr) {
            const bool debit = rbr % 2 == 1;
            lines.add({db::Value(std::to_string(id)), db::Value(std::to_string(rbr)), db::Value("F-1"),
                       db::Value("stavka"), db::Value(std::to_string(2000 + rbr % 300)), db::Value("1"),
                       db::Value(debit ? "10.25" : "0"), db::Value(debit ? "0" : "10.25"), db::Value("2024-06-01"),
                       db::Value("")});
        }
        lines.flush();
        working.zatvoriTabele();
        working.otvoriTabele();
        entry->RekalkUkupno();
    }
};

Books& books() {
    static Books instance;
    return instance;
}

void BM_PostThousandLineVoucher(benchmark::State& state) {
    Books& b = books();
    for (auto _ : state) {
        state.PauseTiming();
        b.openLargeVoucher();
        state.ResumeTiming();
        const EntryResult posted = b.entry->Auriraj1Click();
        if (!posted) state.SkipWithError(posted.message.c_str());
    }
    state.counters["book lines"] = static_cast<double>(b.fin.scalar("select count(*) from " + kBooks + ".konnal").asInt());
}
BENCHMARK(BM_PostThousandLineVoucher)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ConfirmLineWithBalanceControl(benchmark::State& state) {
    Books& b = books();
    b.openLargeVoucher();
    LineInput line;
    line.kontoid = "2050";
    line.duguje = 1;
    for (auto _ : state) {
        const EntryResult confirmed = b.entry->addLine(line);
        if (!confirmed) state.SkipWithError(confirmed.message.c_str());
    }
    b.entry->brisiNalog();
}
BENCHMARK(BM_ConfirmLineWithBalanceControl)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

BENCHMARK_MAIN();
