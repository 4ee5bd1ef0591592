#include "main_window_search.h"
#include "platform/platform.h"
#include "program_start_win32.h"
#include "worker_messages.h"
#include "workers_win32.h"

#include <memory>

namespace tb {
namespace {

constexpr std::uint32_t kInputIdleTimeoutMs = 10000;

struct LaunchOrder {
  std::string commandLine;
  HANDLE quitEvent;
  HWND notify;
  std::uintptr_t wordToken;
  std::uintptr_t longToken;
  ThreadList *threads;
  HANDLE thread; // the worker's own entry in the list
};

// Runs the program and tells the window what becomes of it.
void watchProgram(const LaunchOrder &order) {
  StartedProcess started;
  if (DWORD code = startProcess(order.commandLine, started)) {
    // The caller waits for the end of the program to release what it gave
    // the worker, so a failed start ends it too.
    reportFileError(code, order.commandLine);
    postIfWindow(order.notify, kMsgProgramEnded, order.wordToken, order.longToken);
    return;
  }
  Platform &services = platform();
  if (services.waitForInputIdle(started.process, kInputIdleTimeoutMs) == 0) {
    if (const WindowId window = findMainWindow(started.processId, started.threadId))
      postIfWindow(order.notify, kMsgProgramReady, order.wordToken, static_cast<LPARAM>(window));
  }
  const HANDLE events[2] = {order.quitEvent, reinterpret_cast<HANDLE>(started.process)};
  // A failed wait is taken as the quit: the worker must not outlive it.
  if (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1)
    postIfWindow(order.notify, kMsgProgramEnded, order.wordToken, order.longToken);
  services.closeProcess(started.process);
}

DWORD WINAPI launchWorker(void *parameter) {
  std::unique_ptr<LaunchOrder> order(static_cast<LaunchOrder *>(parameter));
  Platform &services = platform();
  const EventId quit = reinterpret_cast<EventId>(order->quitEvent);
  services.setStopEvents(&quit, 1); // its waits and its message box end at the quit
  watchProgram(*order);
  services.setStopEvents(nullptr, 0);
  // The very last act: from here on a stopper no longer waits for us.
  ThreadList *threads = order->threads;
  const HANDLE self = order->thread;
  order.reset();
  threads->remove(self);
  return 0;
}

} // namespace

bool Workers::startProgram(HWND notify, const std::string &commandLine, std::uintptr_t token) {
  if (!quitEvent_) return false;
  auto order = std::make_unique<LaunchOrder>(
      LaunchOrder{commandLine, quitEvent_, notify, token, 0, &threads_, nullptr});
  // Entered in the list before it runs, so that stopAll() always waits for
  // it and it never touches a list that is gone.
  HANDLE thread = CreateThread(nullptr, 0, launchWorker, order.get(), CREATE_SUSPENDED, nullptr);
  if (!thread) return false;
  order->thread = thread;
  threads_.add(thread, ThreadList::kLaunch);
  if (!resumeWorker(threads_, thread)) return false;
  order.release();
  return true;
}

} // namespace tb
