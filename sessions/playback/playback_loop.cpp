#include "playback_loop.h"

#include "held_keys.h"

namespace tb {
namespace {

// For as long as a table plays: short intervals are honoured to the
// millisecond, and the waits of its commands end when it is stopped.
class PlayingThread {
public:
  explicit PlayingThread(const PlaybackRun &run) {
    platform().beginPreciseTiming();
    platform().setStopEvents(run.stopEvents, run.stopEventCount);
  }
  ~PlayingThread() {
    platform().setStopEvents(nullptr, 0);
    platform().endPreciseTiming();
  }
  PlayingThread(const PlayingThread &) = delete;
  PlayingThread &operator=(const PlayingThread &) = delete;
};

std::uint32_t asTimeout(int milliseconds) {
  return milliseconds > 0 ? static_cast<std::uint32_t>(milliseconds) : 0;
}

} // namespace

PlaybackEnd playKeyTable(PlaybackRun &run) {
  PlayingThread playing(run);
  Platform &services = platform();
  HeldKeys held;
  ST_EXECSTEP step{};
  ST_KEYENTRY *current = run.table;
  int interval = run.intervalMs;
  int oneTimeWait = 0;
  for (;;) {
    const int signalled = services.waitForEvents(run.stopEvents, run.stopEventCount,
                                                 asTimeout(oneTimeWait ? oneTimeWait : interval));
    oneTimeWait = 0;
    if (signalled != kWaitTimeout) {
      held.releaseAll();
      return PlaybackEnd::Stopped;
    }
    const ST_KEYENTRY executed = current ? *current : ST_KEYENTRY{};
    ST_KEYENTRY *next = TBExecuteSendKey(&run.table, current, &step);
    held.executed(executed);
    if (step.flags & TB_STEP_INTERVAL) interval = step.interval;
    if (step.flags & TB_STEP_WAIT) oneTimeWait = step.wait;
    if (!next) return PlaybackEnd::TableEnded;
    if (run.observer) run.observer->entryExecuted();
    current = next;
  }
}

} // namespace tb
