// Data layer throughput: fetch-all into a Dataset, bulk load, dump and restore of a 100 000-row table.
#include <benchmark/benchmark.h>

#include <sstream>

#include "bench_server.h"
#include "data/db/bulk_loader.h"
#include "data/db/dataset.h"
#include "data/db/dump.h"

using namespace tarvo;

namespace {

constexpr int kRows = 100000;
const char* kDatabase = "tarvo_bench_db";

db::Connection connect() {
    auto params = bench::serverParams();
    db::Connection c(params);
    c.execute(std::string("create database if not exists ") + kDatabase);
    c.selectDatabase(kDatabase);
    return c;
}

void createTable(db::Connection& c) {
    c.execute(
        "drop table if exists konnal;"
        "create table konnal (id int auto_increment primary key, nalogid int, rbr int, dokument varchar(20),"
        " opis varchar(60), kontoid varchar(10), partnerid int, duguje double, potrazuje double, datum date,"
        " fpogidokid int, idokid int, v1 char(1), v2 varchar(10), v3 varchar(10)) engine=InnoDB");
}

void load(db::Connection& c) {
    db::BulkLoader loader(c, "konnal",
                          {"nalogid", "rbr", "dokument", "opis", "kontoid", "partnerid", "duguje", "potrazuje",
                           "datum", "fpogidokid", "idokid", "v1", "v2", "v3"});
    for (int i = 0; i < kRows; ++i) {
        loader.add({db::Value(std::to_string(i / 50)), db::Value(std::to_string(i % 50)),
                    db::Value("DOK-" + std::to_string(i)), db::Value("Opis stavke broj " + std::to_string(i)),
                    db::Value(std::to_string(2000 + i % 300)), db::Value(std::to_string(i % 400)),
                    db::Value(i % 2 ? "125.50" : "0"), db::Value(i % 2 ? "0" : "125.50"), db::Value("2024-05-17"),
                    db::Value("0"), db::Value("0"), db::Value(""), db::Value(""), db::Value("")});
    }
    loader.flush();
}

void BM_BulkLoad(benchmark::State& state) {
    auto c = connect();
    for (auto _ : state) {
        state.PauseTiming();
        createTable(c);
        state.ResumeTiming();
        load(c);
    }
    state.counters["rows/s"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_FetchAll(benchmark::State& state) {
    auto c = connect();
    createTable(c);
    load(c);
    for (auto _ : state) {
        auto d = db::Dataset::table(c, "konnal");
        d.setIndexFields("nalogid;rbr;id");
        d.open();
        benchmark::DoNotOptimize(d.recordCount());
    }
    state.counters["rows/s"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_DumpAndRestore(benchmark::State& state) {
    auto c = connect();
    createTable(c);
    load(c);
    size_t bytes = 0;
    for (auto _ : state) {
        std::stringstream script;
        db::dumpTables(c, kDatabase, {"konnal"}, script);
        bytes = script.str().size();
        db::restoreDump(c, script);
    }
    state.counters["rows/s"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["dump bytes"] = static_cast<double>(bytes);
}

BENCHMARK(BM_BulkLoad)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FetchAll)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DumpAndRestore)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
