#include <benchmark/benchmark.h>

#include <filesystem>
#include <fmt/format.h>

#include "reporting/pdf/my_pdf.h"

namespace {

// A long report: 200 pages of 60 lines, in the fonts a ledger uses, with a rule under every line.
void BM_WriteLongReport(benchmark::State& state) {
  const auto file = std::filesystem::temp_directory_path() / "tarvo_bench_pdf.pdf";
  const int pages = static_cast<int>(state.range(0));
  constexpr int kLines = 60;
  for (auto _ : state) {
    tarvo::TMyPDF pdf;
    pdf.createNew(false);
    pdf.setOutputFileName(file);
    for (int page = 0; page < pages; ++page) {
      if (page > 0) {
        pdf.addPage(false);
        pdf.selectPage(page);
      }
      for (int line = 0; line < kLines; ++line) {
        pdf.fontStyle().setStyle(line % 10 == 0 ? "fsBold" : "", line % 2 ? "Calibri" : "Courier New", 300);
        const double y = 0.8 + line * 0.16;
        pdf.textOut(fmt::format("{:6} 2020 Dobavljač Šećerana d.o.o. Čapljina {:>12.2f} {:>12.2f}", page * kLines + line,
                                line * 123.45, line * 67.8),
                    8, true, 0, 0, y, 0.6);
        pdf.drawLineInch("crna", 0.6, y + 0.03, 7.9, y + 0.03, 0, 1, false, true);
      }
    }
    pdf.saveToFile();
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
  state.counters["pages"] = pages;
  std::filesystem::remove(file);
}

BENCHMARK(BM_WriteLongReport)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
