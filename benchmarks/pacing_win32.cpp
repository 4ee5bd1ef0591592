// Measures how closely playback keeps a 10 ms key interval on this system:
// 200 key entries at interval 1, with and without the timer-resolution
// raise, from the gaps between the logged ticks. Prints mean and worst
// deviation from 10 ms.
#include "execution_record.h"
#include "platform/win32_platform.h"
#include "playback_loop.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void measure(bool raise, int rounds) {
  auto services = tb::makeWin32Platform(raise);
  tb::setPlatform(services.get());
  static unsigned char keyExtend[256];
  g_pchKeyExtend = keyExtend;
  double sum = 0, worst = 0;
  int gaps = 0;
  for (int round = 0; round < rounds; ++round) {
    tb::ExecutionRecord record;
    record.resetForPlayback();
    int errorPos = 0;
    tb::PlaybackRun run;
    // Keys nobody receives: F24 down and up, 100 times.
    run.table = TBAnalyzeSendKey("{F24 100}", &errorPos);
    run.intervalMs = 10;
    tb::playKeyTable(run);
    TBFreeKeyTable(run.table);
    const CMDEXEINFO &log = record.record();
    for (int i = 1; i < 200 && i < log.nLogCount; ++i) {
      const double deviation =
          std::fabs(static_cast<double>(log.pLogTicks[i] - log.pLogTicks[i - 1]) - 10.0);
      sum += deviation;
      worst = deviation > worst ? deviation : worst;
      ++gaps;
    }
  }
  tb::setPlatform(nullptr);
  std::printf("%-28s gaps %5d  mean deviation %6.3f ms  worst %5.1f ms\n",
              raise ? "with the resolution raise" : "without the resolution raise", gaps,
              sum / gaps, worst);
}

} // namespace

int main(int argc, char **argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
  measure(false, rounds);
  measure(true, rounds);
  return 0;
}
