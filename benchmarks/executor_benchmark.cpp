#include "execution_record.h"
#include "executor/execution_log.h"
#include "platform/sim_desktop.h"
#include "trace_log.h"

#include <benchmark/benchmark.h>

namespace {

// One executor step on the simulated desktop, without waiting: a key entry
// (injected into the simulated input queue) or a command that does nothing.
void BM_ExecutorStep(benchmark::State &state) {
  tb::sim::SimDesktop desktop;
  tb::setPlatform(&desktop);
  static unsigned char keyExtend[256];
  g_pchKeyExtend = keyExtend;
  tb::ExecutionRecord record;
  int errorPos = 0;
  ST_KEYENTRY *table =
      TBAnalyzeSendKey(state.range(0) == 0 ? "a" : "<Desc \"a description\">", &errorPos);
  ST_EXECSTEP step{};
  for (auto _ : state) {
    record.record().nLogCount = 0; // keep the log at its first block
    benchmark::DoNotOptimize(TBExecuteSendKey(&table, table, &step));
    if (desktop.keyEvents().size() >= 1 << 20) {
      state.PauseTiming();
      desktop.clearKeyEvents();
      state.ResumeTiming();
    }
  }
  TBFreeKeyTable(table);
  g_pchKeyExtend = nullptr;
  tb::setPlatform(nullptr);
}
BENCHMARK(BM_ExecutorStep)->Arg(0)->Arg(1)->ArgName("command");

// Writing the trace log of 100 000 executed entries.
void BM_TraceLog100k(benchmark::State &state) {
  tb::sim::SimDesktop desktop;
  tb::setPlatform(&desktop);
  tb::ExecutionRecord record;
  for (int i = 0; i < 100000; ++i) {
    const ST_KEYENTRY entry{static_cast<uint16_t>(i % 2 ? TB_CODE_KEYUP : TB_CODE_KEYDOWN),
                            static_cast<uint16_t>('A' + i % 26), 0};
    tb::appendToLog(record.record(), entry, 1000u + static_cast<uint32_t>(i) * 10u);
  }
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = tb::formatTraceLog(record.record());
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["log_bytes"] = static_cast<double>(bytes);
  state.SetItemsProcessed(state.iterations() * 100000);
  tb::setPlatform(nullptr);
}
BENCHMARK(BM_TraceLog100k)->Unit(benchmark::kMillisecond);

} // namespace
