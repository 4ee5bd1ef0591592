// The recorder alone on the simulated desktop: key notices per second for
// typing and for a long auto-repeat run. Its notices to the master window
// are counted, not delivered.
#include "platform/sim_desktop.h"
#include "tamblecore.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace {

using Notice = std::pair<std::uintptr_t, std::intptr_t>;

constexpr std::intptr_t kRelease = static_cast<std::intptr_t>(INT32_MIN);

struct Recorder {
  Recorder() {
    tb::setPlatform(&desktop);
    desktop.onSendMessage = [this](const tb::sim::MessageRecord &) {
      ++sent;
      return std::intptr_t{0};
    };
    g_lpKeyStack = static_cast<char *>(desktop.heapAlloc(TB_KEYSTACK_STEP));
    g_nKeyStackLeng = TB_KEYSTACK_STEP;
    g_pchKeyExtend = extend;
  }
  ~Recorder() {
    desktop.heapFree(g_lpKeyStack);
    g_lpKeyStack = nullptr;
    g_nKeyStackLeng = 0;
    g_pchKeyExtend = nullptr;
    tb::setPlatform(nullptr);
  }

  tb::sim::SimDesktop desktop;
  unsigned char extend[256] = {};
  std::uint64_t sent = 0;
};

// Prose typed on a US keyboard: words, capitals with Shift, punctuation,
// spaces, line ends, corrections with Backspace, now and then Ctrl+S and an
// arrow key.
std::vector<Notice> typingStream(std::size_t keys) {
  static const char *const words[] = {"the", "report", "Quick", "numbers", "of", "2024",
                                      "and", "total",  "Fox",   "jumps",   "x",  "over"};
  std::mt19937 random(7);
  std::vector<Notice> notices;
  auto tap = [&](int key, unsigned state, bool extended = false) {
    const std::uintptr_t w = static_cast<std::uintptr_t>(state) << 16 | static_cast<unsigned>(key);
    const std::intptr_t ext = extended ? std::intptr_t{1} << 24 : 0;
    notices.emplace_back(w, ext);
    notices.emplace_back(w, ext | kRelease);
  };
  while (notices.size() < keys * 2) {
    for (const char *c = words[random() % std::size(words)]; *c; ++c) {
      if (*c >= 'A' && *c <= 'Z') {
        notices.emplace_back(16, 0);
        tap(*c, TB_KEYSTATE_SHIFT);
        notices.emplace_back(16 | TB_KEYSTATE_SHIFT << 16, kRelease);
      } else {
        tap(*c >= 'a' ? *c - 32 : *c, 0);
      }
    }
    switch (random() % 12) {
    case 0:
      tap(190, 0);
      tap(13, 0);
      break; // ". Enter"
    case 1:
      tap(188, 0);
      tap(32, 0);
      break; // ", "
    case 2:
      tap(8, 0);
      tap(8, 0);
      break; // two corrections
    case 3:
      notices.emplace_back(17, 0);
      tap('S', TB_KEYSTATE_CTRL);
      notices.emplace_back(17 | TB_KEYSTATE_CTRL << 16, kRelease);
      break;
    case 4:
      tap(37, 0, true);
      break;
    default:
      tap(32, 0);
      break;
    }
  }
  return notices;
}

void BM_RecordTyping(benchmark::State &state) {
  Recorder recorder;
  const std::vector<Notice> stream = typingStream(static_cast<std::size_t>(state.range(0)));
  std::size_t textBytes = 0;
  for (auto _ : state) {
    Initial_Record_Keyboard_Event();
    for (const Notice &n : stream) Record_Keyboard_Event(n.first, n.second);
    textBytes = std::char_traits<char>::length(g_lpKeyStack);
  }
  const auto notices = static_cast<double>(state.iterations() * stream.size());
  state.counters["notices_per_s"] = benchmark::Counter(notices, benchmark::Counter::kIsRate);
  state.counters["ns_per_notice"] =
      benchmark::Counter(notices, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["text_bytes"] = static_cast<double>(textBytes);
  state.counters["sent_per_notice"] = static_cast<double>(recorder.sent) / notices;
}
BENCHMARK(BM_RecordTyping)->Arg(5000)->Arg(50000)->Unit(benchmark::kMicrosecond);

// One key held: every notice rewrites the count in place, so the time per
// notice does not grow with the run.
void BM_RecordAutoRepeat(benchmark::State &state) {
  Recorder recorder;
  const auto presses = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    Initial_Record_Keyboard_Event();
    for (std::size_t i = 0; i < presses; ++i) Record_Keyboard_Event('A', 0);
    Record_Keyboard_Event('A', kRelease);
  }
  const auto notices = static_cast<double>(state.iterations() * (presses + 1));
  state.counters["notices_per_s"] = benchmark::Counter(notices, benchmark::Counter::kIsRate);
  state.counters["ns_per_notice"] =
      benchmark::Counter(notices, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RecordAutoRepeat)
    ->Arg(1000)
    ->Arg(1 << 16)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);

} // namespace
