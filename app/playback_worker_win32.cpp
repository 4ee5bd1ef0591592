#include "execution_record.h"
#include "playback_loop.h"
#include "worker_messages.h"
#include "workers_win32.h"

#include <memory>

namespace tb {
namespace {

struct PlaybackOrder {
  HANDLE quitEvent;
  HWND notify;
  ThreadList *threads;
  HANDLE runStopEvent;
  int intervalMs;
  ST_KEYENTRY *table;
  HANDLE thread; // the worker's own entry in the list
};

class StepReporter final : public PlaybackSteps {
public:
  explicit StepReporter(HWND notify) : notify_(notify) {}
  void entryExecuted() override { postIfWindow(notify_, kMsgStepExecuted, 0, 0); }

private:
  HWND notify_;
};

DWORD WINAPI playbackWorker(void *parameter) {
  std::unique_ptr<PlaybackOrder> order(static_cast<PlaybackOrder *>(parameter));
  {
    StepReporter reporter(order->notify);
    const EventId stops[2] = {reinterpret_cast<EventId>(order->quitEvent),
                              reinterpret_cast<EventId>(order->runStopEvent)};
    PlaybackRun run;
    run.table = order->table;
    run.intervalMs = order->intervalMs;
    run.stopEvents = stops;
    run.stopEventCount = 2;
    run.observer = &reporter;
    const PlaybackEnd end = playKeyTable(run);
    if (run.table) TBFreeKeyTable(run.table);
    if (end == PlaybackEnd::TableEnded) postIfWindow(order->notify, kMsgTableEnded, 0, 0);
  }
  // The very last act: from here on a stopper no longer waits for us.
  ThreadList *threads = order->threads;
  const HANDLE self = order->thread;
  order.reset();
  threads->remove(self);
  return 0;
}

} // namespace

bool Workers::startPlayback(HWND notify, ST_KEYENTRY *table, int intervalMs) {
  if (!quitEvent_) return false;
  if (runStopEvent_ || playing()) stopPlayback(); // a run that was never stopped
  runStopEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!runStopEvent_) return false;
  auto order = std::make_unique<PlaybackOrder>(
      PlaybackOrder{quitEvent_, notify, &threads_, runStopEvent_, intervalMs, table, nullptr});
  if (g_pCmdExeInfo) resetExecutionRecord(*g_pCmdExeInfo);
  // Entered in the list before it runs: a Stop that comes at once waits for
  // it, and its stop event lives until it has ended.
  HANDLE thread = CreateThread(nullptr, 0, playbackWorker, order.get(), CREATE_SUSPENDED, nullptr);
  if (!thread) {
    CloseHandle(runStopEvent_);
    runStopEvent_ = nullptr;
    return false;
  }
  order->thread = thread;
  threads_.add(thread, ThreadList::kPlayback);
  if (!resumeWorker(threads_, thread)) {
    CloseHandle(runStopEvent_);
    runStopEvent_ = nullptr;
    return false;
  }
  order.release();
  return true;
}

void Workers::stopPlayback() {
  ThreadList::Snapshot playing = threads_.snapshot(ThreadList::kPlayback);
  if (runStopEvent_) SetEvent(runStopEvent_);
  threads_.waitFor(playing);
  if (runStopEvent_) CloseHandle(runStopEvent_);
  runStopEvent_ = nullptr;
}

} // namespace tb
