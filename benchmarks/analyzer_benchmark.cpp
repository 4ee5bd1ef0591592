#include "realistic_macro.h"

#include "platform/sim_desktop.h"
#include "tamblecore.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

void BM_AnalyzeRecordedMacro(benchmark::State &state) {
  tb::sim::SimDesktop desktop;
  tb::setPlatform(&desktop);
  const std::string text = realisticMacro(static_cast<std::size_t>(state.range(0)));
  std::size_t entries = 0, tableBytes = 0;
  for (auto _ : state) {
    int errorPos = 0;
    ST_KEYENTRY *table = TBAnalyzeSendKey(text.c_str(), &errorPos);
    if (!table) {
      state.SkipWithError("the benchmark macro does not analyse");
      break;
    }
    state.PauseTiming();
    entries = 0;
    while (table[entries].code != TB_CODE_END) ++entries;
    ++entries;
    tableBytes = desktop.liveBytes();
    TBFreeKeyTable(table);
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["entries"] = static_cast<double>(entries);
  // Everything the table holds (entries and command blocks) against the
  // entries alone.
  state.counters["heap_bytes"] = static_cast<double>(tableBytes);
  state.counters["entry_bytes"] = static_cast<double>(entries * sizeof(ST_KEYENTRY));
  tb::setPlatform(nullptr);
}
BENCHMARK(BM_AnalyzeRecordedMacro)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

// The same with a heap that keeps freed memory, so that the table's pages
// are not faulted in afresh each time: the analyser's own speed.
void BM_AnalyzeRecordedMacroWarmHeap(benchmark::State &state) {
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  mallopt(M_TOP_PAD, 64 << 20);
  BM_AnalyzeRecordedMacro(state);
}
BENCHMARK(BM_AnalyzeRecordedMacroWarmHeap)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
