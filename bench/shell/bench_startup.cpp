// Start-up of a company year whose books hold a million posting lines: catalogue, selection from the
// command line, the company-year data module with its tables. Prints the time and the peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "bench_server.h"
#include "data/catalogue/server_setup.h"
#include "lifecycle/demo/demo_books.h"
#include "shell/startup/session.h"

using namespace tarvo;

namespace {

constexpr int kFid = 1;
constexpr int kYear = 2024;
const CatalogueNames kNames{"ex_bench_startup", "pf_bench_startup"};

void prepareBooks() {
    ScriptedPrompt prompt;
    TDM_firma catalogue(prompt, {}, bench::serverParams(), kNames);
    catalogue.srediKonekciju();
    prepareServer(catalogue);
    if (!catalogue.izBaza(kFid, 2, kYear).empty()) return;
    registerCompanyYear(catalogue, kFid, "Velika knjiga d.o.o.", kYear);
    generateLargeBooks(catalogue.MyConnection1(), catalogue.izBaza(kFid, 2, kYear), 1000000, 7, kYear);
}

void BM_StartupWithMillionLines(benchmark::State& state) {
    prepareBooks();
    for (auto _ : state) {
        ScriptedPrompt prompt;
        Session session(prompt, registrujParametre({std::to_string(kFid), std::to_string(kYear)}),
                        bench::serverParams(), kNames);
        session.connectCatalogue();
        IzborFirme selection(session.catalogue());
        auto firma = session.autoSelect(selection);
        if (!firma || !session.openCompany(*firma)) {
            state.SkipWithError("the company year did not open");
            break;
        }
        benchmark::DoNotOptimize(session.data().MyTable_nalog().recordCount());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

BENCHMARK(BM_StartupWithMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
